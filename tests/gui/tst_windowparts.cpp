// The parts every borderless window shares: message windows, the drag, the
// picture buttons and the one sound channel.

#include "gui/common/SkinButton.h"
#include "gui/common/WindowDrag.h"
#include "gui/shell/MessageWindows.h"
#include "support/GuiTestKit.h"

#include <QImage>
#include <QLabel>
#include <QtTest>

class WindowPartsTest : public QObject {
    Q_OBJECT

private slots:
    void confirmationAnswersWithItsOwnSound_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<Effect>("sound");
        QTest::newRow("confirm") << "cmd1" << true << Effect::Delete;
        QTest::newRow("decline") << "cmd2" << false << Effect::Cancel;
    }

    void confirmationAnswersWithItsOwnSound()
    {
        QFETCH(QString, button);
        QFETCH(bool, answer);
        QFETCH(Effect, sound);
        GuiTestKit kit;
        kit.state.confirmAnswer = !answer;
        QString question;
        kit.answerNextModal([&](QDialog& dialog) {
            question = child<QLabel>(&dialog, "m1")->text();
            clickOn(child<SkinButton>(&dialog, button));
        });
        QCOMPARE(askConfirmation(*kit.context, "Эта команда удалит всю информацию о пользователе."), answer);
        QCOMPARE(kit.state.confirmAnswer, answer);
        QCOMPARE(question, QString("Эта команда удалит всю информацию о пользователе."));
        QCOMPARE(kit.sounds->played(), QList<Effect>{sound});
    }

    void warningShowsItsMessageAndClosesSilently()
    {
        GuiTestKit kit;
        QString title;
        QString message;
        bool closed = false;
        kit.answerNextModal([&](QDialog& dialog) {
            title = dialog.windowTitle();
            message = child<QLabel>(&dialog, "lab_info")->text();
            clickOn(child<SkinButton>(&dialog, "cmd_EXIT"));
            closed = dialog.result() == QDialog::Accepted;
        });
        showWarning(*kit.context, "Нельзя удалить администратора, можно только сменить для него пароль!");
        QCOMPARE(title, QString(41, ' ') + "Внимание!");
        QCOMPARE(message, QString("Нельзя удалить администратора, можно только сменить для него пароль!"));
        QVERIFY(closed);
        QVERIFY(kit.sounds->played().isEmpty());
    }

    void skinButtonsUseTheirBitmapsOrFallBackToText()
    {
        TempDataFolder data;
        QDir().mkpath(data.path("jpg/skin/main"));
        QImage normal(30, 20, QImage::Format_RGB32);
        normal.fill(Qt::blue);
        normal.save(data.path("jpg/skin/main/read.bmp"), "BMP");
        QImage hover(30, 20, QImage::Format_RGB32);
        hover.fill(Qt::yellow);
        hover.save(data.path("jpg/skin/main/read_move.bmp"), "BMP");

        // The folder name is matched regardless of case, as on the classroom computers.
        SkinButton read(data.path("jpg/skin"), "MAIN", "read", "Изучение");
        read.showHoverBitmap();
        QCOMPARE(read.size(), QSize(30, 20));
        QCOMPARE(read.pixmap().toImage().pixelColor(5, 5), QColor(Qt::yellow));
        read.showNormalBitmap();
        QCOMPARE(read.pixmap().toImage().pixelColor(5, 5), QColor(Qt::blue));

        SkinButton missing(data.path("jpg/skin"), "main", "absent", "Выход");
        missing.showNormalBitmap();
        QCOMPARE(missing.text(), QString("Выход"));
    }

    void anyMouseButtonOnTheBackgroundDragsTheWindow()
    {
        QWidget window(nullptr, Qt::FramelessWindowHint);
        window.resize(200, 120);
        auto* label = new QLabel("not a drag area", &window);
        label->setGeometry(100, 60, 90, 40);
        new WindowDrag(&window);
        window.move(50, 50);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        const QPoint start = window.pos();
        QTest::mousePress(&window, Qt::RightButton, {}, QPoint(10, 10));
        QMouseEvent move(QEvent::MouseMove, QPointF(40, 30), window.mapToGlobal(QPointF(40, 30)), Qt::NoButton,
                         Qt::RightButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &move);
        QTest::mouseRelease(&window, Qt::RightButton, {}, QPoint(40, 30));
        QCOMPARE(window.pos(), start + QPoint(30, 20));

        const QPoint after = window.pos();
        QTest::mousePress(label, Qt::LeftButton, {}, QPoint(5, 5));
        QMouseEvent labelMove(QEvent::MouseMove, QPointF(45, 25), label->mapToGlobal(QPointF(45, 25)), Qt::NoButton,
                              Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &labelMove);
        QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(45, 25));
        QCOMPARE(window.pos(), after);
    }

    void soundSwitchSilencesEverythingButTheThanks()
    {
        GuiTestKit kit;
        int beeps = 0;
        kit.sounds->setBeep([&] { ++beeps; });
        kit.sounds->play(Effect::Board);
        kit.sounds->play(Effect::Click);
        QCOMPARE(kit.sounds->played(), (QList<Effect>{Effect::Board, Effect::Click}));
        QCOMPARE(beeps, 2); // no WAV files in this folder: the default sound instead

        kit.sounds->clearPlayed();
        kit.state.soundOn = false;
        kit.sounds->play(Effect::Open);
        kit.sounds->play(Effect::Exit); // synchronous, but nothing to wait for
        kit.sounds->play(Effect::Thanks);
        QCOMPARE(kit.sounds->played(), QList<Effect>{Effect::Thanks});
        QCOMPARE(beeps, 3);
    }
};

QTEST_MAIN(WindowPartsTest)
#include "tst_windowparts.moc"
