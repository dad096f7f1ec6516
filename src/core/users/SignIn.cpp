#include "core/users/SignIn.h"

#include "core/shell/AppState.h"

LookupOutcome findUser(const UserBase& base, const QString& first, const QString& surname, const QString& password)
{
    LookupOutcome outcome;
    for (int index = 1; index < base.count(); ++index) {
        const UserRecord& record = base.record(index);
        if (record.first == first && record.second == surname) {
            outcome.kind = record.pass == password ? LookupOutcome::Kind::SignedIn : LookupOutcome::Kind::WrongPassword;
            outcome.record = index;
            return outcome;
        }
        const int next = index + 1;
        if (outcome.firstEmptyRecord == 0 && base.record(next).first.isEmpty())
            outcome.firstEmptyRecord = next;
    }
    return outcome;
}

void signIn(AppState& state, const UserRecord& record)
{
    state.userFirstName = record.first;
    state.userSurname = record.second;
    state.userPassword = record.pass;
    state.userBookmark = record.zak;
    for (int slot = 1; slot <= UserRecord::kSlots; ++slot)
        state.userScores[slot] = record.marks[slot].scoreText();
}
