#pragma once

#include "core/users/UserBase.h"

struct AppState;

// The lookup behind the identification window's OK.
struct LookupOutcome {
    enum class Kind { SignedIn, WrongPassword, NotFound };

    Kind kind = Kind::NotFound;
    int record = 0;           // SignedIn, WrongPassword: the record with the names
    int firstEmptyRecord = 0; // NotFound: first record after 1 with an empty first name, 0 = none
};

// Records 1 to count-1 are compared (the spare never is); the first record
// with both names decides, whatever later records hold.
LookupOutcome findUser(const UserBase& base, const QString& first, const QString& surname, const QString& password);

// Fills the signed-in user's fields of the program state from a record.
void signIn(AppState& state, const UserRecord& record);
