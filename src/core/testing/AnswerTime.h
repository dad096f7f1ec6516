#pragma once

#include <QString>

#include <optional>

// The answer-time setting file: minutes per answer, 1..5, or 9 for no limit.
// Read anew before every question, so a change from the teacher's computer
// takes effect at the next one.
struct AnswerTimeSetting {
    int minutes = 1;
    bool fileEmpty = false; // the first line was empty: keep the countdown's visibility as it is

    bool unlimited() const { return minutes == 9; }
};

AnswerTimeSetting readAnswerTimeSetting(const QString& path);

// The countdown of one question, as three digits m:ts that count down whole
// seconds from (v-1):60 to 0:00; a minutes digit of 8 means no limit.
class Countdown {
public:
    static constexpr int kNoLimit = 8;

    void start(const AnswerTimeSetting& setting);

    enum class Tick { Hidden, Shown, Warning, TimeOut };

    // One second passed; says what the display does.
    Tick tick();

    bool unlimited() const { return minutes_ == kNoLimit; }

    QString startText() const;   // "0:60"
    QString display() const;     // "0:59"; "0:00" after a time-out
    QString resetText() const;   // "0:00" form shown when the window loads: minutes then ":00"

private:
    int minutes_ = 0;
    int tens_ = 6;
    int units_ = 0;
};
