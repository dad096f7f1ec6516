#include "core/testing/AnswerTime.h"
#include "core/testing/Grading.h"
#include "core/testing/PictureZoom.h"
#include "core/testing/TestRunRules.h"

#include "support/TempDataFolder.h"

#include <gtest/gtest.h>

TEST(Grading, MarkAndPercentTable)
{
    struct Case {
        int correct, asked, grade;
        const char* percent;
    };
    const Case cases[] = {
        {5, 10, 2, "50"},  {7, 10, 4, "70"},   {9, 10, 4, "90"}, {19, 20, 5, "95"}, {1, 20, 2, "5"},
        {2, 3, 3, "66.7"}, {0, 10, 2, "0"},    {3, 6, 2, "50"},  {1, 1, 5, "100"},  {6, 10, 3, "60"},
        {1, 150, 2, "0.7"}, {149, 150, 5, "99.3"}, {1, 16, 2, "6.3"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(gradeFor(c.correct, c.asked), c.grade) << c.correct << "/" << c.asked;
        EXPECT_EQ(percentText(c.correct, c.asked), c.percent) << c.correct << "/" << c.asked;
    }
}

TEST(Grading, LookOfEachMarkAndBoardWords)
{
    EXPECT_EQ(markLook(2).word, "неуд.");
    EXPECT_FALSE(markLook(2).rgb.has_value());
    EXPECT_EQ(markLook(2).sound, MarkSound::Laugh);
    EXPECT_EQ(markLook(3).rgb, 0xC04000u);
    EXPECT_EQ(markLook(3).sound, MarkSound::None);
    EXPECT_EQ(markLook(4).rgb, 0xC0C000u);
    EXPECT_EQ(markLook(5).sound, MarkSound::Applause);
    EXPECT_TRUE(markLook(5).comment.startsWith("Вау!..."));

    const std::pair<const char*, const char*> words[] = {
        {"", ""}, {"0", ""}, {"2", "неуд."}, {"3", "удовл."}, {"4", "хорошо"}, {" 5 ", "отлично"}, {"7", ""}};
    for (const auto& [score, word] : words)
        EXPECT_EQ(markWord(score), QString::fromUtf8(word)) << score;
    EXPECT_EQ(timeSpentText(179), "2 мин");
    EXPECT_EQ(timeSpentText(0), "0 мин");
}

TEST(Countdown, TwoMinutesRunDownToATimeOutOnThe121stTick)
{
    Countdown countdown;
    countdown.start({2, false});
    EXPECT_EQ(countdown.startText(), "1:60");
    std::map<int, QString> seen;
    int warnings = 0;
    int tick = 0;
    for (tick = 1; tick <= 200; ++tick) {
        const Countdown::Tick result = countdown.tick();
        if (result == Countdown::Tick::TimeOut)
            break;
        if (result == Countdown::Tick::Warning) {
            ++warnings;
            EXPECT_EQ(tick, 116);
        }
        seen[tick] = countdown.display();
    }
    EXPECT_EQ(tick, 121);
    EXPECT_EQ(warnings, 1);
    EXPECT_EQ(seen[1], "1:59");
    EXPECT_EQ(seen[60], "1:00");
    EXPECT_EQ(seen[61], "0:59");
    EXPECT_EQ(seen[116], "0:04");
    EXPECT_EQ(seen[120], "0:00");

    countdown.start({9, false});
    EXPECT_TRUE(countdown.unlimited());
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(countdown.tick(), Countdown::Tick::Hidden);
}

TEST(AnswerTimeSetting, ReadFromTheSettingFile)
{
    TempDataFolder folder;
    const QString path = folder.path("jpg/14_16.jpg");
    EXPECT_EQ(readAnswerTimeSetting(path).minutes, 1);
    struct Case {
        QStringList lines;
        int minutes;
        bool empty;
    };
    const Case cases[] = {{{" 9 "}, 9, false}, {{"3"}, 3, false},  {{"2.5"}, 2, false},
                          {{""}, 1, true},     {{" 0 "}, 1, false}, {{"abc"}, 1, false}};
    for (const Case& c : cases) {
        folder.writeLines("jpg/14_16.jpg", c.lines);
        const AnswerTimeSetting setting = readAnswerTimeSetting(path);
        EXPECT_EQ(setting.minutes, c.minutes) << c.lines.join("|").toStdString();
        EXPECT_EQ(setting.fileEmpty, c.empty);
    }
}

TEST(RunnerCaptions, QuestionNumbersAndPauses)
{
    EXPECT_EQ(testrun::questionFrameCaption(7, 20), QString::fromUtf16(u"  Bo\u043fpoc \u043domep    7  "));
    EXPECT_EQ(testrun::questionFrameCaption(1, 1), QString::fromUtf16(u"  Bo\u043fpoc \u043domep   1  "));
    EXPECT_EQ(testrun::questionWindowCaption(7), "  Вопрос № 7");
    EXPECT_EQ(testrun::pausesLeftText(1), "У Вас есть еще 2 паузы");
    EXPECT_EQ(testrun::pausesLeftText(3), "Это ваша последняя пауза");

    TestRun run;
    run.pausePending = true;
    for (int taken : {0, 4})
        EXPECT_FALSE(testrun::pauseDue((run.pausesTaken = taken, run)));
    for (int taken : {1, 2, 3})
        EXPECT_TRUE(testrun::pauseDue((run.pausesTaken = taken, run)));
}

TEST(PictureZoom, StepsFloorAndToggle)
{
    PictureZoom zoom(6000, 3000);
    PictureZoom::Layout l = zoom.layout();
    EXPECT_EQ(l.pictureWidth, 3000);
    EXPECT_EQ(l.pictureHeight, 1500);
    EXPECT_EQ(l.clientHeight, 1500 + 495);
    EXPECT_EQ(l.buttonTop, 1515);
    EXPECT_EQ(l.buttonWidth, 1490);
    EXPECT_EQ(l.zoomInLeft, 1520);
    EXPECT_EQ(l.zoomOutCaption, "уменьшить");

    zoom.zoomOut();
    zoom.zoomOut();
    EXPECT_EQ(zoom.percent(), 30);
    EXPECT_FALSE(zoom.canZoomOut());
    zoom.zoomOut();
    EXPECT_EQ(zoom.percent(), 30);
    l = zoom.layout();
    EXPECT_EQ(l.clientHeight, 900 + 505);
    EXPECT_EQ(l.zoomOutCaption, "-"); // 1800 + 100 twips is narrow
    EXPECT_EQ(l.zoomInCaption, "+");

    zoom.zoomIn();
    EXPECT_TRUE(zoom.canZoomOut());
    zoom.toggle();
    EXPECT_EQ(zoom.percent(), 100);
    EXPECT_FALSE(zoom.canZoomIn());
    zoom.toggle();
    EXPECT_EQ(zoom.percent(), 30);
    EXPECT_TRUE(zoom.canZoomIn());
    EXPECT_FALSE(zoom.canZoomOut());
}

TEST(PictureZoom, CaptionScrollsRoundIn40Steps)
{
    const QString start = pictureCaptionText();
    ASSERT_EQ(start.size(), 40);
    QString caption = start;
    caption = scrollCaption(caption);
    EXPECT_EQ(caption, start.mid(1) + start[0]);
    for (int i = 1; i < 40; ++i)
        caption = scrollCaption(caption);
    EXPECT_EQ(caption, start);
}
