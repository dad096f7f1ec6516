#pragma once

#include <QString>

// The one-number setting files (answer time, error display): the whole number
// at the start of the first line, spaces trimmed, rounded when it has decimals.
struct SettingFileValue {
    enum class State { Missing, Empty, Number };

    State state = State::Missing;
    int number = 0; // State::Number only

    // What callers that treat a missing file and an empty first line alike take.
    int valueOr(int fallback) const { return state == State::Number ? number : fallback; }
};

SettingFileValue readSettingFile(const QString& path);
