#pragma once

#include <QString>

struct AppState;

// Stores the signed-in user's 20 scores and bookmark into the first record
// with his names. The file is left untouched unless it was read completely
// and the user was found in it.
enum class WriteBackResult { Stored, BaseUnreadable, BaseDamaged, UserMissing, WriteFailed };

WriteBackResult writeBack(const QString& userBasePath, const AppState& state);

// A sentence for the user when a write-back did not store anything.
QString writeBackFailureText(WriteBackResult result);
