#include "core/users/RememberedLogin.h"

#include "core/common/LineFile.h"
#include "core/common/NumberForm.h"

std::optional<RememberedLogin> RememberedLogin::read(const QString& path)
{
    const auto lines = linefile::read(path);
    if (!lines)
        return std::nullopt;
    auto line = [&](int i) { return i < lines->size() ? lines->at(i) : QString(); };
    RememberedLogin login;
    login.tickLineEmpty = line(0).isEmpty();
    login.ticked = numberform::read(line(0)) == 1;
    login.firstName = line(1);
    login.surname = line(2);
    login.password = line(3);
    return login;
}

bool RememberedLogin::write(const QString& path) const
{
    return linefile::write(path, {numberform::write(ticked ? 1 : 0), firstName, surname,
                                  ticked ? password : QString()});
}
