#include "core/testing/QuestionBank.h"

#include "core/common/LineFile.h"
#include "core/common/NumberForm.h"

#include <algorithm>

#include <QFileInfo>

namespace {

// A question as the file gives it, answers still flagged.
struct FileQuestion {
    QString topic;
    QString text;
    std::array<QString, 5> answers;
    int good = 0;
    QString picture;
    int line = 0; // of its "vop" key, for problems
};

const QChar kRightFlag = QLatin1Char('1');

BankLoad refuse(QuestionBank& bank, const QString& problem)
{
    bank = QuestionBank{};
    return {false, problem};
}

int wholeNumber(const QString& value)
{
    return static_cast<int>(std::clamp<long long>(numberform::readWhole(value), -32768, 32767));
}

} // namespace

Question shuffleAnswers(const std::array<QString, 5>& fileAnswers, int good, const UniformDraw& draw)
{
    std::array<int, 5> placed{}; // new place -> file answer, 1-based
    std::array<bool, 6> taken{};
    for (int place = 0; place < 5; ++place) {
        int x = 0;
        do {
            x = static_cast<int>(static_cast<double>(draw()) * 5) + 1;
        } while (x < 1 || x > 5 || taken[x]);
        taken[x] = true;
        placed[place] = x;
    }

    Question shown;
    for (int place = 0; place < 5; ++place) {
        const QString& answer = fileAnswers[placed[place] - 1];
        if (answer.startsWith(kRightFlag))
            shown.rightAnswer = place + 1; // several flags: the last shown wins
        shown.answers[place] = answer.mid(1);
    }
    if (shown.rightAnswer == 0) {
        // No flag: the file's "good" names an answer in file order; follow it
        // to where the shuffle put it.
        for (int place = 0; place < 5; ++place) {
            if (placed[place] == good)
                shown.rightAnswer = place + 1;
        }
    }
    return shown;
}

std::vector<int> drawQuestionOrder(int count, const UniformDraw& draw)
{
    const int last = count - 1;
    std::vector<int> order;
    std::vector<bool> taken(count, false);
    for (int position = 0; position < count; ++position) {
        // Int(L * r) in single precision: 0..L-1, so the last question of the
        // file is never asked first.
        int x = static_cast<int>(static_cast<float>(last) * draw());
        x = qBound(0, x, last);
        while (taken[x])
            x = x == last ? 0 : x + 1;
        taken[x] = true;
        order.push_back(x);
    }
    return order;
}

BankLoad parseQuestionBank(const QStringList& lines, const QString& fileName, QuestionBank& bank,
                           const UniformDraw& draw)
{
    bank = QuestionBank{};
    const qsizetype start = lines.indexOf(QStringLiteral("start"));
    if (start < 0)
        return refuse(bank, QStringLiteral("В файле вопросов «%1» нет строки «start».").arg(fileName));

    std::vector<FileQuestion> read(1);
    for (qsizetype i = start + 1; i < lines.size(); i += 2) {
        const QString& key = lines[i];
        if (key == QLatin1String("end"))
            break;
        if (i + 1 >= lines.size()) {
            return refuse(bank, QStringLiteral("Файл вопросов «%1» оборван: у ключа «%2» в строке %3 нет значения.")
                                    .arg(fileName, key)
                                    .arg(i + 1));
        }
        const QString& value = lines[i + 1];
        FileQuestion& question = read.back();
        if (key == QLatin1String("name")) {
            bank.testName = value;
        } else if (key == QLatin1String("time")) {
            bank.startSeconds = wholeNumber(value);
        } else if (key == QLatin1String("temaname")) {
            question.topic = value;
        } else if (key == QLatin1String("vop")) {
            question.text = value;
            question.line = static_cast<int>(i + 1);
        } else if (key.size() == 4 && key.startsWith(QLatin1String("otv")) && key[3] >= QLatin1Char('1')
                   && key[3] <= QLatin1Char('5')) {
            question.answers[key[3].digitValue() - 1] = value;
        } else if (key == QLatin1String("good")) {
            question.good = wholeNumber(value);
        } else if (key == QLatin1String("ris")) {
            question.picture = value;
            read.emplace_back();
        }
    }

    // The list ends at the first question after the first one without a text.
    std::size_t count = 1;
    while (count < read.size() && !read[count].text.isEmpty())
        ++count;
    if (read.front().text.isEmpty())
        return refuse(bank, QStringLiteral("В файле вопросов «%1» нет ни одного вопроса.").arg(fileName));
    if (count > static_cast<std::size_t>(QuestionBank::kMaxQuestions)) {
        return refuse(bank, QStringLiteral("В файле вопросов «%1» %2 вопросов, а тест может содержать не более %3.")
                                .arg(fileName)
                                .arg(count)
                                .arg(QuestionBank::kMaxQuestions));
    }

    for (std::size_t q = 0; q < count; ++q) {
        const FileQuestion& file = read[q];
        Question question = shuffleAnswers(file.answers, file.good, draw);
        if (question.rightAnswer == 0) {
            return refuse(bank, QStringLiteral("В файле вопросов «%1» у вопроса %2 (строка %3) не отмечен верный ответ.")
                                    .arg(fileName)
                                    .arg(q + 1)
                                    .arg(file.line));
        }
        question.topic = file.topic;
        question.text = file.text;
        question.picture = file.picture;
        bank.questions.push_back(std::move(question));
    }
    bank.order = drawQuestionOrder(bank.count(), draw);
    return {true, {}};
}

BankLoad loadQuestionBank(const QString& path, QuestionBank& bank, const UniformDraw& draw)
{
    const QString fileName = QFileInfo(path).fileName();
    const auto lines = linefile::read(path);
    if (!lines)
        return refuse(bank, QStringLiteral("Не удалось открыть файл вопросов теста «%1».").arg(fileName));
    return parseQuestionBank(*lines, fileName, bank, draw);
}
