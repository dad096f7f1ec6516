#include "core/users/WriteBack.h"

#include "core/shell/AppState.h"
#include "core/users/UserBase.h"

WriteBackResult writeBack(const QString& userBasePath, const AppState& state)
{
    UserBase base;
    if (!base.load(userBasePath))
        return WriteBackResult::BaseUnreadable;
    if (!base.problem().isEmpty())
        return WriteBackResult::BaseDamaged;
    for (int index = 1; index <= base.count(); ++index) {
        UserRecord& record = base.record(index);
        if (record.second != state.userSurname || record.first != state.userFirstName)
            continue;
        for (int slot = 1; slot <= UserRecord::kSlots; ++slot)
            record.marks[slot] = Mark::fromText(state.userScores[slot]);
        record.zak = state.userBookmark;
        return base.save(userBasePath, false) == UserBase::SaveResult::Saved ? WriteBackResult::Stored
                                                                             : WriteBackResult::WriteFailed;
    }
    return WriteBackResult::UserMissing;
}

QString writeBackFailureText(WriteBackResult result)
{
    switch (result) {
    case WriteBackResult::Stored:
        return {};
    case WriteBackResult::BaseUnreadable:
        return QStringLiteral("Не удалось прочитать базу пользователей. Результат не сохранён.");
    case WriteBackResult::BaseDamaged:
        return QStringLiteral("База пользователей повреждена и не будет перезаписана. Результат не сохранён.");
    case WriteBackResult::UserMissing:
        return QStringLiteral("Вас больше нет в списке пользователей (запись изменена или удалена). Результат не сохранён.");
    case WriteBackResult::WriteFailed:
        return QStringLiteral("Не удалось записать базу пользователей. Результат не сохранён.");
    }
    return {};
}
