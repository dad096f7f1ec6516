#pragma once

#include "core/testing/RandomDraw.h"

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

// One question as the runner shows it: answers in their shuffled order,
// without the flag character that marked the right one in the file.
struct Question {
    QString topic;
    QString text;
    std::array<QString, 5> answers;
    int rightAnswer = 0; // 1..5 within `answers`
    QString picture;     // picture name without extension, "" = none
};

// The questions of one test and the order a run asks them in.
struct QuestionBank {
    // A run logs every question it asks, and the log holds this many.
    static constexpr int kMaxQuestions = 150;

    QString testName;
    int startSeconds = 0;
    std::vector<Question> questions; // by their place in the file
    std::vector<int> order;          // position of the run -> question

    int count() const { return static_cast<int>(questions.size()); }
    const Question& asked(int position) const { return questions.at(order.at(position)); }
};

struct BankLoad {
    bool ok = false;
    QString problem; // a sentence for the user when the bank cannot be used
};

// Reads a bank file and shuffles the answers of every question. A bank that
// cannot be used leaves `bank` empty and says why.
BankLoad loadQuestionBank(const QString& path, QuestionBank& bank, const UniformDraw& draw);

// Reads the bank from its lines (the file's content); `fileName` names it in problems.
BankLoad parseQuestionBank(const QStringList& lines, const QString& fileName, QuestionBank& bank,
                           const UniformDraw& draw);

// The answer shuffle of one question: `fileAnswers` still carry their flags;
// `good` is the file's right answer, used when no answer is flagged.
Question shuffleAnswers(const std::array<QString, 5>& fileAnswers, int good, const UniformDraw& draw);

// Draws the order in which a run asks the `count` questions.
std::vector<int> drawQuestionOrder(int count, const UniformDraw& draw);
