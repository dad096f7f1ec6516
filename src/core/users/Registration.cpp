#include "core/users/Registration.h"

#include "core/users/SignIn.h"

Registration registerUser(const QString& userBasePath, const QString& newUserCopyPath, const QString& first,
                          const QString& surname, const QString& password)
{
    Registration result;
    UserBase base;
    if (!base.load(userBasePath) || !base.problem().isEmpty()) {
        result.failureText = QStringLiteral("База пользователей повреждена (%1). Регистрация невозможна.")
                                 .arg(base.problem().describe());
        return result;
    }
    const int index = findUser(base, first, surname, password).firstEmptyRecord;
    if (index == 0) {
        result.outcome = Registration::Outcome::NoEmptyRecord;
        result.failureText = QStringLiteral("В базе пользователей нет свободной записи. Регистрация невозможна.");
        return result;
    }
    UserRecord& record = base.record(index);
    record.first = first;
    record.second = surname;
    record.pass = password;
    result.record = record;
    switch (base.save(userBasePath, true)) {
    case UserBase::SaveResult::Saved:
        writeNewUserCopy(newUserCopyPath, result.record);
        result.outcome = Registration::Outcome::Registered;
        break;
    case UserBase::SaveResult::Full:
        result.outcome = Registration::Outcome::BaseFull;
        result.failureText = QStringLiteral("База пользователей заполнена (%1 записей). Регистрация невозможна.")
                                 .arg(UserBase::kCapacity);
        break;
    case UserBase::SaveResult::Damaged:
    case UserBase::SaveResult::WriteFailed:
        result.outcome = Registration::Outcome::WriteFailed;
        result.failureText = QStringLiteral("Не удалось записать базу пользователей. Регистрация не выполнена.");
        break;
    }
    return result;
}
