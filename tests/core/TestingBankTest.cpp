#include "core/testing/QuestionBank.h"

#include "support/TempDataFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>

namespace {

// Hands out the given draws in turn, then repeats the last one.
UniformDraw scripted(std::vector<float> draws)
{
    auto next = std::make_shared<std::size_t>(0);
    return [draws = std::move(draws), next]() {
        const float value = draws[std::min(*next, draws.size() - 1)];
        ++*next;
        return value;
    };
}

UniformDraw realDraws()
{
    return ReseedingRandom([] { return 43200; }); // the same second throughout
}

QStringList question(const QString& text, const QString& ris = {}, const QString& topic = {})
{
    QStringList lines;
    if (!topic.isEmpty())
        lines << "temaname" << topic;
    lines << "vop" << text << "otv1" << "1right" << "otv2" << "0b" << "otv3" << "0c" << "otv4" << "0d" << "otv5"
          << "0e" << "ris" << ris;
    return lines;
}

QStringList bankOf(int questions)
{
    QStringList lines{"header", "start", "name", "Светофоры"};
    for (int i = 0; i < questions; ++i)
        lines << question(QStringLiteral("Вопрос %1").arg(i));
    lines << "end";
    return lines;
}

BankLoad parse(const QStringList& lines, QuestionBank& bank)
{
    return parseQuestionBank(lines, "T01_97.jpg", bank, realDraws());
}

bool isPermutation(std::vector<int> order, int count)
{
    std::sort(order.begin(), order.end());
    std::vector<int> expected(count);
    std::iota(expected.begin(), expected.end(), 0);
    return order == expected;
}

} // namespace

TEST(AnswerShuffle, PlacesFileAnswersByRepeatedDrawsAndFollowsTheFlag)
{
    // 0.9 -> 5, 0.9 again is taken and drawn anew, then 1, 3, 2, 4.
    const Question q = shuffleAnswers({"1A", "0B", "0C", "0D", "0E"}, 0, scripted({0.9f, 0.9f, 0.1f, 0.5f, 0.3f, 0.7f}));
    EXPECT_EQ(q.answers, (std::array<QString, 5>{"E", "A", "C", "B", "D"}));
    EXPECT_EQ(q.rightAnswer, 2);
}

TEST(AnswerShuffle, RightAnswerRules)
{
    const std::vector<float> draws{0.9f, 0.1f, 0.5f, 0.3f, 0.7f}; // file answers 5, 1, 3, 2, 4
    struct Case {
        std::array<QString, 5> file;
        int good;
        int right;
    };
    const Case cases[] = {
        {{"1A", "xB", "xC", "1D", "xE"}, 0, 5}, // two flags: the one shown later wins
        {{"xA", "xB", "xC", "xD", "xE"}, 3, 3}, // no flag: the file's third answer, wherever it went
        {{"xA", "xB", "xC", "xD", "xE"}, 5, 1},
        {{"xA", "xB", "xC", "xD", "xE"}, 0, 0}, // nothing marks a right answer
    };
    for (const Case& c : cases) {
        const Question q = shuffleAnswers(c.file, c.good, scripted(draws));
        EXPECT_EQ(q.rightAnswer, c.right) << c.good;
        EXPECT_EQ(q.answers[0], "E");
    }
}

TEST(QuestionOrder, StepsOnFromTakenQuestionsAndNeverStartsWithTheLast)
{
    // L = 3: Int(3 * 0.99) = 2; 2 is taken so 0.7 steps on to 3; then 0, then 1.
    EXPECT_EQ(drawQuestionOrder(4, scripted({0.99f, 0.7f, 0.0f, 0.5f})), (std::vector<int>{2, 3, 0, 1}));
    EXPECT_EQ(drawQuestionOrder(1, scripted({0.5f})), (std::vector<int>{0}));
    // The largest draw below 1 still stays under L.
    EXPECT_EQ(drawQuestionOrder(150, scripted({std::nextafter(1.0f, 0.0f)})).front(), 148);

    const UniformDraw draw = realDraws();
    for (int run = 0; run < 200; ++run) {
        const std::vector<int> order = drawQuestionOrder(5, draw);
        EXPECT_TRUE(isPermutation(order, 5));
        EXPECT_NE(order.front(), 4);
    }
}

TEST(ReseedingRandom, SameClockSecondStillMovesOn)
{
    ReseedingRandom random([] { return 100; });
    std::set<float> seen;
    for (int i = 0; i < 100; ++i) {
        const float r = random();
        EXPECT_GE(r, 0.0f);
        EXPECT_LT(r, 1.0f);
        seen.insert(r);
    }
    EXPECT_GT(seen.size(), 95u);
}

TEST(QuestionBankParse, OneQuestionWithFlaggedFirstAnswer)
{
    QuestionBank bank;
    ASSERT_TRUE(parse({"start", "name", "Светофоры", "vop", "Q", "otv1", "1one", "otv2", "2two", "otv3", "3three",
                       "otv4", "4four", "otv5", "5five", "ris", "", "end"},
                      bank)
                    .ok);
    ASSERT_EQ(bank.count(), 1);
    const Question& q = bank.questions[0];
    std::vector<QString> shown(q.answers.begin(), q.answers.end());
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(shown, (std::vector<QString>{"five", "four", "one", "three", "two"}));
    EXPECT_EQ(q.answers[q.rightAnswer - 1], "one");
    EXPECT_EQ(q.picture, "");
    EXPECT_EQ(bank.order, (std::vector<int>{0}));
}

TEST(QuestionBankParse, KeysAndBoundaries)
{
    QuestionBank bank;
    QStringList lines{"junk", " start", "start", "name", "Первое", "color", "blue", " vop", "skipped",
                      "time", "2.5", "name", "Второе"};
    lines << question("Q1", "pic1", "Тема 1") << question("Q2") << "end" << "vop" << "after end" << "ris" << "";
    ASSERT_TRUE(parse(lines, bank).ok);
    EXPECT_EQ(bank.testName, "Второе");
    EXPECT_EQ(bank.startSeconds, 2); // halves to even
    ASSERT_EQ(bank.count(), 2);
    EXPECT_EQ(bank.questions[0].text, "Q1");
    EXPECT_EQ(bank.questions[0].topic, "Тема 1");
    EXPECT_EQ(bank.questions[0].picture, "pic1");
    EXPECT_EQ(bank.questions[1].topic, ""); // topics do not carry over
    EXPECT_TRUE(isPermutation(bank.order, 2));

    lines = QStringList{"start", "time", "3.5"} + question("Q1") + question("") + question("Q3"); // no "end"
    ASSERT_TRUE(parse(lines, bank).ok);
    EXPECT_EQ(bank.testName, "");
    EXPECT_EQ(bank.startSeconds, 4);
    EXPECT_EQ(bank.count(), 1); // a question without text ends the list
}

TEST(QuestionBankParse, UnusableBanksAreRefusedWithAReason)
{
    struct Case {
        QStringList lines;
        const char* reason;
    };
    QStringList noRight = bankOf(2);
    noRight.replaceInStrings("1right", "0right");
    const Case cases[] = {
        {{"name", "x", "vop", "Q"}, "нет строки «start»"},
        {{"start", "name", "x", "vop"}, "у ключа «vop» в строке 4 нет значения"},
        {{"start", "name", "x", "end"}, "нет ни одного вопроса"},
        {bankOf(151), "151 вопросов, а тест может содержать не более 150"},
        {noRight, "у вопроса 1 (строка 5) не отмечен верный ответ"},
    };
    for (const Case& c : cases) {
        QuestionBank bank;
        bank.testName = "old";
        const BankLoad load = parse(c.lines, bank);
        EXPECT_FALSE(load.ok);
        EXPECT_TRUE(load.problem.contains(QString::fromUtf8(c.reason))) << load.problem.toStdString();
        EXPECT_TRUE(load.problem.contains("T01_97.jpg"));
        EXPECT_EQ(bank.count(), 0);
        EXPECT_EQ(bank.testName, "");
    }
}

TEST(QuestionBankLoad, ReadsTheFileAndTakesTheLargestRun)
{
    TempDataFolder folder;
    QuestionBank bank;
    const BankLoad missing = loadQuestionBank(folder.path("jpg/T01_97.jpg"), bank, realDraws());
    EXPECT_FALSE(missing.ok);
    EXPECT_TRUE(missing.problem.contains("«T01_97.jpg»"));

    folder.writeLines("jpg/T01_97.jpg", bankOf(150));
    ASSERT_TRUE(loadQuestionBank(folder.path("jpg/T01_97.jpg"), bank, realDraws()).ok);
    EXPECT_EQ(bank.testName, "Светофоры");
    EXPECT_EQ(bank.count(), 150);
    EXPECT_TRUE(isPermutation(bank.order, 150));
    for (const Question& q : bank.questions)
        EXPECT_EQ(q.answers[q.rightAnswer - 1], "right");
}
