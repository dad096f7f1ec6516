#pragma once

#include "core/users/UserBase.h"

#include <QString>

// A new user moves into the first empty record after record 1; the base is
// then saved with a new spare and his record copied to the new-user file.
// He is registered only once the base is stored.
struct Registration {
    enum class Outcome { Registered, BaseUnusable, NoEmptyRecord, BaseFull, WriteFailed };

    Outcome outcome = Outcome::BaseUnusable;
    UserRecord record; // Registered: the new user's record
    QString failureText; // otherwise: a sentence for the user
};

// The base is read afresh, as another computer may have changed it since
// the lookup that offered the registration.
Registration registerUser(const QString& userBasePath, const QString& newUserCopyPath, const QString& first,
                          const QString& surname, const QString& password);
