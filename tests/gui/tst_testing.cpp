// A student's road through a test: choice, introduction, runner with a pause
// and a time-out, result, review of errors, the board; and an abandoned run.

#include "core/testing/TestCatalogue.h"
#include "gui/common/SkinButton.h"
#include "gui/shell/Modes.h"
#include "gui/testing/BoardWindow.h"
#include "gui/testing/ErrorReviewWindow.h"
#include "gui/testing/IntroWindow.h"
#include "gui/testing/PauseWindow.h"
#include "gui/testing/PictureViewer.h"
#include "gui/testing/ResultWindow.h"
#include "gui/testing/RunnerWindow.h"
#include "gui/testing/TestChoiceWindow.h"
#include "support/GuiTestKit.h"

#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

QStringList record(const QString& first, const QString& second, const QStringList& marks)
{
    QStringList lines{"first", first, "second", second, "pass", "1", "zak", ""};
    for (int slot = 1; slot <= 20; ++slot)
        lines << QStringLiteral("test%1").arg(slot) << marks.value(slot - 1);
    return lines;
}

QStringList signalsBank(int questions = 3)
{
    QStringList lines{"Банк вопросов", "start", "name", "Светофоры", "time", "0"};
    const char* texts[] = {"Какой огонь запрещает движение?", "Что проверяют при осмотре светофора?",
                           "Когда заменяют лампу?", "Как часто проверяют видимость огней?",
                           "Что делают при погасании огня?"};
    for (int i = 0; i < questions; ++i) {
        lines << "temaname" << QStringLiteral("Тема %1").arg(i + 1) << "vop" << QString::fromUtf8(texts[i])
              << "otv1" << QStringLiteral("1верно %1").arg(i + 1) << "otv2" << "0неверно а" << "otv3"
              << "0неверно б" << "otv4" << "0неверно в" << "otv5" << "0неверно г" << "ris"
              << (i == 0 ? QStringLiteral("pic1") : QString());
    }
    lines << "end";
    return lines;
}

// Closed windows are deleted on the next turn of the event loop.
void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A click on the answer's round mark, where a radio button takes it.
void clickAnswer(QRadioButton* answer)
{
    QTest::mouseClick(answer, Qt::LeftButton, Qt::NoModifier, QPoint(8, answer->height() / 2));
}

} // namespace

class TestingTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<GuiTestKit> kit;
    std::unique_ptr<QWidget> menu;
    int beeps = 0;

    AppContext& context() { return *kit->context; }
    TestingState& testing() { return kit->state.testing; }

    frmTestCh* openChoiceOfSignals()
    {
        auto* choice = qobject_cast<frmTestCh*>(modes::openTestChoice(context()));
        choice->coMBO1->setCurrentIndex(1);
        emit choice->coMBO1->activated(1);
        return choice;
    }

    fullTST* startRun(frmTestCh* choice)
    {
        clickOn(choice->btnOK);
        auto* intro = context().window<frmFullTest>("frmFullTest");
        if (!intro)
            return nullptr;
        clickOn(intro->cmdSTART);
        auto* runner = context().window<fullTST>("fullTST");
        runner->systemBeep = [this] { ++beeps; };
        return runner;
    }

    // The right answer of the question on screen, and one that is wrong.
    int rightAnswer() const { return kit->state.testing.bank.asked(kit->state.testing.run.questionNumber - 1).rightAnswer; }
    int wrongAnswer() const { return rightAnswer() % 5 + 1; }

    QStringList userRecordLines() const
    {
        const QStringList lines = kit->data.readLines("jpg/2_17.jpg");
        const qsizetype at = lines.indexOf("Петров");
        return lines.mid(at - 3, 48);
    }

private slots:
    void init()
    {
        kit = std::make_unique<GuiTestKit>();
        menu = std::make_unique<QWidget>();
        kit->context->mainMenu = menu.get();
        beeps = 0;
        kit->data.writeStandardCatalogue();
        loadCatalogue(kit->data.path("jpg/14_15.jpg"), kit->state.catalogue);
        QStringList base{"predel", " 3 "};
        base << record("Иван", "Петров", {"", "5", "3"}) << record("Анна", "Смирнова", {" 4 "})
             << record("", "", {});
        kit->data.writeLines("jpg/2_17.jpg", base);
        kit->data.writeLines("jpg/T01_97.jpg", signalsBank());
        kit->data.writeLines("jpg/14_16.jpg", {" 1 "});
        QImage picture(300, 150, QImage::Format_RGB32);
        picture.fill(Qt::white);
        picture.save(kit->data.path("jpg/pic1.jpg"), "PNG");
        kit->state.userFirstName = "Иван";
        kit->state.userSurname = "Петров";
        kit->state.userScores[2] = "5";
        kit->state.userScores[3] = "3";
    }

    void cleanup()
    {
        for (const QPointer<QWidget>& window : std::as_const(kit->context->windows))
            delete window.data();
        menu.reset();
        kit.reset();
    }

    void choiceListsTheCatalogueAndDescribesTheChoice()
    {
        auto* choice = qobject_cast<frmTestCh*>(modes::openTestChoice(context()));
        QVERIFY(choice);
        QCOMPARE(choice->windowTitle(), "Выбор теста ");
        QCOMPARE(choice->coMBO1->count(), 14);
        QCOMPARE(testing().run.testName, "Проверка зависимостей");
        QCOMPARE(choice->metDESCRIBE->text(),
                 "Тест содержит вопросы по разделу 'Проверка зависимостей'. Во время прохождения теста вы можете "
                 "взять 3 паузы (пауза активируется после ответа на вопрос).");
        QCOMPARE(choice->sbSTATUSBAR->text(), "Выберите название теста.");
        QCOMPARE(kit->sounds->played(), QList<Effect>{Effect::Click});

        // The first bank does not exist here: a clear message, and the choice stays.
        clickOn(choice->btnOK);
        QCOMPARE(kit->modalsShown, QStringList{"frmINFO"});
        QVERIFY(choice->isVisible());
        QVERIFY(!context().windows.value("frmFullTest"));

        clickOn(choice->btnEXIT);
        settle();
        QVERIFY(menu->isVisible());
        QVERIFY(!context().windows.value("frmTestCh"));
    }

    void wholeRunWithPauseTimeOutAndErrorReview()
    {
        frmTestCh* choice = openChoiceOfSignals();
        clickOn(choice->btnOK);
        auto* intro = context().window<frmFullTest>("frmFullTest");
        QVERIFY(intro && intro->isVisible());
        QVERIFY(!choice->isVisible());
        QCOMPARE(intro->LAB11->text(), "Светофоры");
        QCOMPARE(intro->windowTitle(), "Светофоры");
        QVERIFY(intro->LABEL1->text().endsWith("на вопрос).  И так, готовы?"));
        QVERIFY(intro->LABEL1->text().startsWith("Тест содержит вопросы по разделу 'Светофоры'"));
        QVERIFY(!intro->cmdRETurn->isVisible());

        clickOn(intro->cmdSTART);
        auto* runner = context().window<fullTST>("fullTST");
        QVERIFY(runner && runner->isVisible());
        QVERIFY(!intro->isVisible());
        runner->systemBeep = [this] { ++beeps; };
        const int first = testing().bank.order[0];
        QCOMPARE(runner->windowTitle(), "  Вопрос № 1");
        QCOMPARE(runner->lblTime->text(), "0:60");
        QCOMPARE(runner->lblTitle1->text(), QStringLiteral(" Тема: Тема %1").arg(first + 1));
        QCOMPARE(runner->selectedAnswer(), 1);
        QCOMPARE(testing().run.pictureViewerOpen, first == 0);
        QVERIFY(kit->data.readLines("curr_test.ini").mid(8, 2) == QStringList({"curr", " 1 "}));

        // Question 1: the right answer, and a pause asked for meanwhile.
        clickAnswer(runner->OTVET[rightAnswer() - 1]);
        QVERIFY(runner->OTVET[rightAnswer() - 1]->styleSheet().contains("#800000"));
        clickOn(runner->btnPAUSE);
        QCOMPARE(runner->windowTitle(), "Пауза будет активирована после ответа на вопрос");
        QVERIFY(!runner->btnPAUSE->isEnabled());
        QString pauseMessage;
        kit->answerNextModal([&](QDialog& dialog) {
            auto& pause = static_cast<frmPAUSE&>(dialog);
            pauseMessage = pause.metka2->text();
            QVERIFY(!runner->isVisible());
            clickOn(pause.komanda1);
        });
        kit->sounds->clearPlayed();
        clickOn(runner->OKKEY);
        QCOMPARE(kit->modalsShown, QStringList{"frmPAUSE"});
        QCOMPARE(pauseMessage, "У Вас есть еще 2 паузы");
        QVERIFY(kit->sounds->played().contains(Effect::Pause));
        QCOMPARE(kit->sounds->played().last(), Effect::Click);
        QVERIFY(runner->isVisible());
        QVERIFY(runner->btnPAUSE->isEnabled());
        QCOMPARE(testing().run.correctCount, 1);
        QCOMPARE(runner->windowTitle(), "  Вопрос № 2");
        QCOMPARE(runner->selectedAnswer(), 1);

        // Question 2: the time runs out with answer 1 selected.
        const bool timeOutRight = rightAnswer() == 1;
        kit->sounds->clearPlayed();
        for (int tick = 1; tick <= 56; ++tick)
            runner->countdownTick();
        QCOMPARE(runner->lblTime->text(), "0:04");
        QCOMPARE(kit->sounds->played(), QList<Effect>{Effect::Tick});
        for (int tick = 57; tick <= 60; ++tick)
            runner->countdownTick();
        QCOMPARE(runner->lblTime->text(), "0:00");
        QCOMPARE(beeps, 0);
        runner->countdownTick();
        QCOMPARE(beeps, 1);
        QCOMPARE(testing().run.questionNumber, 3);
        QCOMPARE(testing().run.elapsedSeconds, 61);
        QCOMPARE(runner->Frame2->title(), QString::fromUtf16(u"  Bo\u043fpoc \u043domep   3  "));

        // Question 3, the last: a pause asked now is lost; a wrong answer by double click.
        clickOn(runner->btnPAUSE);
        const int wrong = wrongAnswer();
        QTest::mouseDClick(runner->OTVET[wrong - 1], Qt::LeftButton, Qt::NoModifier, QPoint(8, 10));
        QVERIFY(!runner->isVisible());
        QCOMPARE(kit->modalsShown, QStringList{"frmPAUSE"});
        auto* result = context().window<frmFULLtestEND>("frmFULLtestEND");
        QVERIFY(result && result->isVisible());

        const int correct = timeOutRight ? 2 : 1;
        QCOMPARE(testing().run.correctCount, correct);
        QCOMPARE(result->windowTitle(), "Тест: Светофоры");
        QCOMPARE(result->Label4->text(), correct == 2 ? "удовл." : "неуд.");
        QCOMPARE(result->pecent_LAB->text(), correct == 2 ? "(66.7%)" : "(33.3%)");
        QCOMPARE(result->LABEL5->text(), "1 мин");
        QVERIFY(result->wrong->isVisible());
        const QStringList live = kit->data.readLines("curr_test.ini");
        QCOMPARE(live.mid(8), (QStringList{"curr", " 3 ", "ok", QStringLiteral(" %1 ").arg(correct), "ocenka",
                                           QStringLiteral(" %1 ").arg(testing().run.grade)}));

        // The review shows the wrong answers in the order asked.
        clickOn(result->wrong);
        auto* review = context().window<frmWRONG>("frmWRONG");
        QVERIFY(review && review->isVisible());
        QVERIFY(!result->isVisible());
        QCOMPARE(review->errorCount(), 3 - correct);
        QCOMPARE(review->Frame2->title(), "Ошибка № 1");
        QVERIFY(!review->btnPREV->isVisible());
        QCOMPARE(review->btnNEXT->isVisible(), correct == 1);
        const AnswerEntry& lastError = testing().answerLog.entry(3 - correct);
        QCOMPARE(lastError.otvUser, QString::number(wrong));
        if (correct == 1) {
            clickOn(review->btnNEXT);
            QCOMPARE(review->Frame2->title(), "Ошибка № 2");
            QVERIFY(review->btnPREV->isVisible());
            QVERIFY(!review->btnNEXT->isVisible());
        }
        QVERIFY(review->OTVET[wrong - 1]->isChecked());
        QVERIFY(review->OTVET[wrong - 1]->styleSheet().contains("#800000"));
        QVERIFY(review->OTVET[lastError.otvVer.toInt() - 1]->styleSheet().contains("#008000"));
        QCOMPARE(review->btnRIS->isVisible(), !lastError.ris.isEmpty());

        clickOn(review->picEXit);
        QVERIFY(result->isVisible());

        // Leaving stores the mark in the slot of "Светофоры" and in the user base.
        kit->sounds->clearPlayed();
        clickOn(result->cmdEXIT);
        settle();
        const QString mark = QString::number(testing().run.grade);
        QCOMPARE(kit->state.userScores[2], mark);
        const QStringList stored = userRecordLines();
        QCOMPARE(stored.mid(8, 6), (QStringList{"test1", "", "test2", mark, "test3", "3"}));
        QVERIFY(kit->data.readLines("jpg/2_17.jpg").contains(" 4 ")); // the other user keeps number form
        QCOMPARE(kit->sounds->played().first(), Effect::Close);
        QVERIFY(choice->isVisible());
        QCOMPARE(choice->coMBO1->currentIndex(), 1);
        QVERIFY(!context().windows.value("fullTST"));
        QVERIFY(!context().windows.value("frmFullTest"));
        QVERIFY(!context().windows.value("frmFULLtestEND"));
    }

    void noTimeLimitAndThreePausesAtMost()
    {
        kit->data.writeLines("jpg/T01_97.jpg", signalsBank(5));
        kit->data.writeLines("jpg/14_16.jpg", {" 9 "});
        fullTST* runner = startRun(openChoiceOfSignals());
        QVERIFY(!runner->lblTime->isVisible());
        QVERIFY(!runner->metka1->isVisible());
        for (int tick = 0; tick < 600; ++tick)
            runner->countdownTick();
        QCOMPARE(testing().run.questionNumber, 1);
        QCOMPARE(testing().run.elapsedSeconds, 600);

        QStringList messages;
        for (int question = 1; question <= 4; ++question) {
            QCOMPARE(runner->btnPAUSE->isEnabled(), question <= 3);
            if (question <= 3) {
                clickOn(runner->btnPAUSE);
                kit->answerNextModal([&](QDialog& dialog) {
                    auto& pause = static_cast<frmPAUSE&>(dialog);
                    messages << pause.metka2->text();
                    clickOn(pause.komanda1);
                });
            }
            if (question == 4) // the setting is read anew before every question
                kit->data.writeLines("jpg/14_16.jpg", {" 2 "});
            clickOn(runner->OKKEY);
        }
        QCOMPARE(messages, (QStringList{"У Вас есть еще 2 паузы", "У вас осталась только 1 пауза",
                                        "Это ваша последняя пауза"}));
        QCOMPARE(testing().run.pausesTaken, 4);
        QVERIFY(!runner->btnPAUSE->isEnabled());
        QCOMPARE(runner->Frame2->title(), QString::fromUtf16(u"  Bo\u043fpoc \u043domep   5  "));
        QVERIFY(runner->lblTime->isVisible());
        QCOMPARE(runner->lblTime->text(), "1:60");
    }

    void pictureOpensBesideTheQuestionAndZooms()
    {
        testing().run.pictureName = "pic1";
        auto* viewer = new PICview(context());
        context().windows.insert("PICview", viewer);
        viewer->open(nullptr);
        QVERIFY(testing().run.pictureViewerOpen);
        QCOMPARE(viewer->zoomPercent(), 50);
        QCOMPARE(viewer->Image1->size(), QSize(150, 75));
        QCOMPARE(viewer->comm1->text(), "-"); // 150 px is narrow
        clickOn(viewer->comm1);
        clickOn(viewer->comm1);
        QCOMPARE(viewer->zoomPercent(), 30);
        QVERIFY(!viewer->comm1->isEnabled());
        QTest::mouseDClick(viewer->Image1, Qt::LeftButton);
        QCOMPARE(viewer->zoomPercent(), 100);
        QCOMPARE(viewer->Image1->size(), QSize(300, 150));
        QCOMPARE(viewer->comm2->text(), "увеличить");
        QVERIFY(!viewer->comm2->isEnabled());
        viewer->scrollCaption();
        QCOMPARE(viewer->windowTitle(), "исунок для самостоятельного ответа.    Р");
        viewer->close();
        QVERIFY(!testing().run.pictureViewerOpen);

        // A name leaving the picture folder is refused: a placeholder shows.
        testing().run.pictureName = "../2_17";
        auto* refused = new PICview(context());
        context().windows.insert("PICview", refused);
        refused->open(nullptr);
        QCOMPARE(refused->Image1->size(), QSize(180, 100));
    }

    void abandonedRunStoresNoMarkAndTheBoardShowsIt()
    {
        frmTestCh* choice = openChoiceOfSignals();
        fullTST* runner = startRun(choice);
        QVERIFY(runner);
        clickAnswer(runner->OTVET[rightAnswer() - 1]);
        clickOn(runner->OKKEY);
        runner->close();
        auto* intro = context().window<frmFullTest>("frmFullTest");
        QVERIFY(intro->isVisible());
        QVERIFY(intro->LABEL2->isVisible());
        QVERIFY(intro->cmdRETurn->isVisible());
        QVERIFY(!intro->cmdSTART->isVisible());
        QVERIFY(!intro->cmdEXIT->isVisible());
        QVERIFY(!intro->LABEL1->isVisible());
        const QStringList live = kit->data.readLines("curr_test.ini");
        QCOMPARE(live.mid(8, 2), (QStringList{"curr", " 2 "}));

        clickOn(intro->cmdRETurn);
        settle();
        QCOMPARE(kit->state.userScores[2], "0");
        QCOMPARE(userRecordLines().mid(10, 2), (QStringList{"test2", "0"}));
        QVERIFY(choice->isVisible());
        QVERIFY(!context().windows.value("frmFullTest"));
        clickOn(choice->btnEXIT);

        kit->state.userScores[1] = "4";
        kit->state.userScores[16] = "5";
        kit->sounds->clearPlayed();
        auto* board = qobject_cast<frmDOSTIG*>(modes::openBoard(context()));
        QVERIFY(board);
        QCOMPARE(board->windowTitle(), "Доска почета пользователя: Петров  Иван");
        QCOMPARE(board->metka2->text(), "Результаты пользователя: Петров  Иван");
        QCOMPARE(board->SpiS1->count(), 14);
        QCOMPARE(board->SpiS2->count(), 14);
        QCOMPARE(board->SpiS1->item(13)->text(), "Тест по курсу");
        QCOMPARE(board->SpiS2->item(0)->text(), "хорошо");
        QCOMPARE(board->SpiS2->item(1)->text(), ""); // abandoned
        QCOMPARE(board->SpiS2->item(2)->text(), "удовл.");
        board->SpiS2->setCurrentRow(4);
        QCOMPARE(board->SpiS1->currentRow(), 4);
        QVERIFY(kit->sounds->played().isEmpty());
        board->startTune();
        QCOMPARE(kit->sounds->played(), QList<Effect>{Effect::Board});
        clickOn(board->comEXIT);
        QCOMPARE(kit->sounds->played(), (QList<Effect>{Effect::Board, Effect::Close, Effect::Click}));
        QVERIFY(menu->isVisible());
    }

    void aLostUserIsToldTheMarkWasNotStored()
    {
        kit->state.userSurname = "Сидоров";
        frmTestCh* choice = openChoiceOfSignals();
        fullTST* runner = startRun(choice);
        runner->close();
        const QByteArray before = kit->data.readBytes("jpg/2_17.jpg");
        clickOn(context().window<frmFullTest>("frmFullTest")->cmdRETurn);
        QCOMPARE(kit->modalsShown, QStringList{"frmINFO"});
        QCOMPARE(kit->data.readBytes("jpg/2_17.jpg"), before);
        QVERIFY(choice->isVisible());
    }
};

QTEST_MAIN(TestingTest)
#include "tst_testing.moc"
