#pragma once

#include <QString>
#include <QStringList>

#include <array>

// Who is tested on what, and how far: the values both live files start with.
struct LiveHeader {
    QString firstName;
    QString surname;
    QString testName;
    int questionCount = 0;
    int correctCount = 0;
    int grade = 0;
};

// One asked question as the user saw it, with his answer and the right one.
struct AnswerEntry {
    QString tema;
    QString vop;
    std::array<QString, 5> otv;
    QString ris;
    QString otvUser = QStringLiteral("0");
    QString otvVer = QStringLiteral("0");
};

// The answer log of a run, entries 1..150; an empty `vop` marks an entry
// that holds no answered question.
struct AnswerLog {
    static constexpr int kEntries = 150;

    QString first;
    QString second;
    QString name;
    QString max;
    int ok = 0;
    int ocenka = 0;
    std::array<AnswerEntry, kEntries + 1> entries;

    AnswerEntry& entry(int number) { return entries.at(number); }
    const AnswerEntry& entry(int number) const { return entries.at(number); }

    // Empties entries 1..150; the header stays.
    void clear();

    // The log's "max" as a usable entry count (0..150).
    int entryCount() const;

    // Entries whose chosen answer differs from the right one.
    bool hasWrongAnswer() const;

    // Keeps only the wrongly answered entries, in their order, from entry 1
    // on; returns how many there are.
    int keepOnlyErrors();
};

// The answer log file: the header, then one block per question of the run.
QStringList answerLogLines(const LiveHeader& header, const AnswerLog& log);
bool writeAnswerLog(const QString& path, const LiveHeader& header, const AnswerLog& log);

// Reads an answer log file into `log` without emptying it first: a file cut
// short leaves later entries as they were, a missing one leaves all of it.
// Returns false when the file could not be read.
bool readAnswerLog(const QString& path, AnswerLog& log);
void readAnswerLogLines(const QStringList& lines, AnswerLog& log);

// The live test state file: who, which test, how far, how well.
QStringList liveTestStateLines(const LiveHeader& header, int questionNumber);
bool writeLiveTestState(const QString& path, const LiveHeader& header, int questionNumber);
