#pragma once

#include <QString>

#include <optional>

// The mark of a finished run: 2..5 from the share of right answers.
int gradeFor(int correct, int asked);

// The share of right answers in percent, at most one decimal ("66.7", "50",
// "100", "0" when none was right), as the result window shows it.
QString percentText(int correct, int asked);

enum class MarkSound { None, Laugh, Applause };

// How the result window presents a mark.
struct MarkLook {
    QString word;
    std::optional<unsigned> rgb; // 0xRRGGBB; none = the system's button-text colour
    QString comment;
    MarkSound sound = MarkSound::None;
};

// For marks 2..5; anything else (0 = no mark) has an empty look.
MarkLook markLook(int grade);

// The word for a stored score text on the board: "" for no mark.
QString markWord(const QString& scoreText);

// "3 мин": whole minutes of the answering time.
QString timeSpentText(int elapsedSeconds);
