// The identification window, start-up and the main menu, driven as a user would.

#include "core/common/LineFile.h"
#include "gui/common/SkinButton.h"
#include "gui/shell/MainMenu.h"
#include "gui/shell/Splash.h"
#include "gui/shell/StartUp.h"
#include "gui/users/IdReader.h"
#include "support/GuiTestKit.h"

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

namespace {

QStringList record(const QString& first, const QString& second, const QString& pass, const QString& mark = {})
{
    QStringList lines{"first", first, "second", second, "pass", pass, "zak", ""};
    for (int slot = 1; slot <= 20; ++slot)
        lines << QStringLiteral("test%1").arg(slot) << mark;
    return lines;
}

QStringList base(const QList<QStringList>& records)
{
    QStringList lines{"predel", QStringLiteral(" %1 ").arg(records.size())};
    for (const QStringList& r : records)
        lines += r;
    return lines;
}

// Key by key, Cyrillic included (QTest::keyClicks only maps ASCII).
void typeKeys(QWidget* box, const QString& text)
{
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void typeInto(QLineEdit* box, const QString& text)
{
    box->setFocus();
    typeKeys(box, text);
}

void enterIn(QLineEdit* box)
{
    QTest::keyClick(box, Qt::Key_Return);
}

} // namespace

class ShellTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<GuiTestKit> kit;

    void writeStandardBase()
    {
        kit->data.writeLines("jpg/2_17.jpg", base({record("admin", "admin", "root", " 5 "), record("Иван", "Петров", "1111", "4"),
                                                   record("", "", "")}));
    }

    void writeMenuFiles()
    {
        kit->data.writeStandardCatalogue();
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::darkBlue);
        picture.save(kit->data.path("jpg/main/3_1.jpg"), "PNG");
    }

private slots:
    void init()
    {
        kit = std::make_unique<GuiTestKit>();
        writeStandardBase();
        writeMenuFiles();
    }

    void signsInWithTheKeyboardAlone()
    {
        id_reader window(*kit->context);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        typeInto(window.Текст1, "  Иван ");
        enterIn(window.Текст1);
        QVERIFY(window.Текст2->hasFocus());
        typeKeys(window.Текст2, "Петров");
        enterIn(window.Текст2);
        QVERIFY(window.Текст3->hasFocus());
        typeKeys(window.Текст3, "1111 ");
        enterIn(window.Текст3);

        QVERIFY(window.isHidden());
        QCOMPARE(kit->state.userFirstName, QString("Иван"));
        QCOMPARE(kit->state.userSurname, QString("Петров"));
        QCOMPARE(kit->state.userScores[1], QString("4"));
        QVERIFY(kit->sounds->played().contains(Effect::Key));
        QCOMPARE(kit->sounds->played().last(), Effect::Click);
    }

    void registersWithTheKeyboardAlone()
    {
        id_reader window(*kit->context);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        typeInto(window.Текст1, "Олег");
        enterIn(window.Текст1);
        typeKeys(window.Текст2, "Лисицын");
        enterIn(window.Текст2);
        typeKeys(window.Текст3, "888");
        enterIn(window.Текст3);
        QVERIFY(window.isVisible()); // first press: not in the list
        enterIn(window.Текст3);
        QVERIFY(window.isHidden());
        QCOMPARE(kit->state.userSurname, QString("Лисицын"));
        QCOMPARE(kit->data.readLines("jpg/1n_12.jpg").mid(0, 6), (QStringList{"first", "Олег", "second", "Лисицын", "pass", "888"}));
    }

    void explainsWhatIsMissingOrWrong()
    {
        id_reader window(*kit->context);
        window.show();
        clickOn(window.Комманда1);
        QCOMPARE(window.Метка4->text(), QString("Необходимо ввести имя и фамилию!"));
        window.Текст1->setText("admin");
        window.Текст2->setText(" admin");
        clickOn(window.Комманда1);
        QCOMPARE(window.Метка4->text(), QString("Введите пароль (не применяйте для пароля пробел)!"));

        // The administrator's password is masked while typed...
        window.Текст3->setText("wrong");
        window.updatePasswordMask();
        QCOMPARE(window.Текст3->echoMode(), QLineEdit::Password);
        // ...but the wrong-password notice is always readable.
        clickOn(window.Комманда1);
        QCOMPARE(window.Текст3->text(), QString("Пароль не верен"));
        window.updatePasswordMask();
        QCOMPARE(window.Текст3->echoMode(), QLineEdit::Normal);
        window.Текст2->setText("Петров");
        window.Текст3->setText("x");
        window.updatePasswordMask();
        QCOMPARE(window.Текст3->echoMode(), QLineEdit::Normal);
        QVERIFY(kit->state.userFirstName.isEmpty());
    }

    void registersANewUserOnTheSecondPress()
    {
        id_reader window(*kit->context);
        window.show();
        window.Текст1->setText("Олег");
        window.Текст2->setText("Лисицын");
        window.Текст3->setText("777");
        clickOn(window.Комманда1);
        QVERIFY(window.Метка4->text().startsWith("Вас   нет    в    списке    пользователей."));
        QVERIFY(window.isVisible());

        window.Текст3->setText(" 888 ");
        clickOn(window.Комманда1);
        QVERIFY(window.isHidden());
        QCOMPARE(kit->state.userFirstName, QString("Олег"));
        QCOMPARE(kit->state.userPassword, QString("888"));

        QStringList newUser = record("Олег", "Лисицын", "888", " 0 ");
        const QStringList expected =
            base({record("admin", "admin", "root", " 5 "), record("Иван", "Петров", "1111", " 4 "), newUser, record("", "", "")});
        QCOMPARE(kit->data.readLines("jpg/2_17.jpg"), expected);
        QCOMPARE(kit->data.readBytes("jpg/1n_12.jpg"), linefile::encode(newUser));
    }

    void aSecondPressWithOtherNamesLooksUpAgain()
    {
        id_reader window(*kit->context);
        window.Текст1->setText("Олег");
        window.Текст2->setText("Лисицын");
        window.Текст3->setText("777");
        clickOn(window.Комманда1);
        window.Текст2->setText("Петров");
        window.Текст1->setText("Иван");
        window.Текст3->setText("1111");
        clickOn(window.Комманда1);
        QCOMPARE(kit->state.userFirstName, QString("Иван"));
        QCOMPARE(kit->data.readLines("jpg/2_17.jpg").size(), 2 + 3 * 48); // nobody registered
    }

    void refusesARegistrationWithoutAnEmptyRecord()
    {
        kit->data.writeLines("jpg/2_17.jpg", base({record("admin", "admin", "root"), record("Иван", "Петров", "1")}));
        const QByteArray before = kit->data.readBytes("jpg/2_17.jpg");
        id_reader window(*kit->context);
        window.Текст1->setText("Олег");
        window.Текст2->setText("Лисицын");
        window.Текст3->setText("7");
        clickOn(window.Комманда1);
        clickOn(window.Комманда1);
        QVERIFY(window.Метка4->text().contains("нет свободной записи"));
        QVERIFY(kit->state.userFirstName.isEmpty());
        QCOMPARE(kit->data.readBytes("jpg/2_17.jpg"), before);
    }

    void remembersTheIdentityOnlyWhileTicked()
    {
        {
            id_reader window(*kit->context);
            window.Текст1->setText("Иван");
            window.Текст2->setText("Петров");
            window.Текст3->setText("1111");
            clickOn(window.FIOremember);
            QCOMPARE(kit->data.readLines("jpg/sv11.jpg"), (QStringList{" 1 ", "Иван", "Петров", "1111"}));
            QCOMPARE(window.remem_LAB->text(), QString("Уберите галочку, чтобы не сохранять ФИО и пароль."));
        }
        {
            id_reader window(*kit->context);
            QCOMPARE(window.Текст1->text(), QString("Иван"));
            QCOMPARE(window.Текст3->echoMode(), QLineEdit::Password);
            QVERIFY(!window.id_timer->isActive());
            clickOn(window.FIOremember);
            QCOMPARE(kit->data.readLines("jpg/sv11.jpg"), (QStringList{" 0 ", "Иван", "Петров", ""}));
        }
        id_reader window(*kit->context);
        QVERIFY(window.Текст1->text().isEmpty());
        QVERIFY(!window.FIOremember->isChecked());
    }

    void cancelAtStartUpEndsWithoutWritingAnything()
    {
        GuiTestKit& k = *kit;
        k.answerNextModal([](QDialog& dialog) {
            auto& window = static_cast<id_reader&>(dialog);
            window.Текст1->setText("Иван");
            window.FIOremember->setChecked(true);
            clickOn(window.Комманда2);
        });
        QCOMPARE(runStartUp(*k.context, [] { return 7; }), 0);
        QCOMPARE(k.modalsShown, QStringList{"id_reader"});
        QVERIFY(!k.data.exists("jpg/sv11.jpg"));
        QCOMPARE(k.sounds->played(), QList<Effect>{Effect::Cancel});
    }

    void startUpReachesTheMenuAndReadsTheErrorSetting()
    {
        kit->data.writeLines("jpg/sv10.jpg", {" 3 "});
        kit->data.writeLines("curr_test.ini", {"stale"});
        kit->data.writeLines("temp1.ini", {"stale"});
        kit->answerNextModal([](QDialog& dialog) {
            auto& window = static_cast<id_reader&>(dialog);
            window.Текст1->setText("Иван");
            window.Текст2->setText("Петров");
            window.Текст3->setText("1111");
            clickOn(window.Комманда1);
        });
        bool menuShownAfterSplash = false;
        const int code = runStartUp(*kit->context, [&] {
            // Stand-in for the 1.5 s clock: fire the splash's timer.
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (auto* splash = qobject_cast<frmSplash*>(w); splash && splash->Часы1->isActive()) {
                    if (splash->Часы1->interval() == 1500)
                        splash->finish();
                }
            }
            menuShownAfterSplash = kit->context->mainMenu && kit->context->mainMenu->isVisible();
            return 0;
        });
        QCOMPARE(code, 0);
        QVERIFY(menuShownAfterSplash);
        QCOMPARE(kit->state.showErrorsMode, 3);
        QVERIFY(!kit->data.exists("curr_test.ini"));
        QVERIFY(!kit->data.exists("temp1.ini"));
        QCOMPARE(kit->sounds->played().last(), Effect::Thanks);
    }

    void aMissingFileEndsStartUpWithOneClearMessage_data()
    {
        QTest::addColumn<QString>("missing");
        QTest::newRow("user base") << "jpg/2_17.jpg";
        QTest::newRow("catalogue") << "jpg/14_15.jpg";
        QTest::newRow("menu picture") << "jpg/main/3_1.jpg";
    }

    void aMissingFileEndsStartUpWithOneClearMessage()
    {
        QFETCH(QString, missing);
        QFile::remove(kit->data.path(missing));
        if (missing != "jpg/2_17.jpg")
            kit->answerNextModal([](QDialog& dialog) {
                auto& window = static_cast<id_reader&>(dialog);
                window.Текст1->setText("admin");
                window.Текст2->setText("admin");
                window.Текст3->setText("root");
                clickOn(window.Комманда1);
            });
        QString message;
        kit->answerNextModal([&message](QDialog& dialog) {
            message = dialog.findChild<QLabel*>("qt_msgbox_label")->text();
            dialog.accept();
        });
        bool loopRan = false;
        QCOMPARE(runStartUp(*kit->context, [&] { return loopRan = true, 0; }), 1);
        QVERIFY(!loopRan);
        QCOMPARE(kit->modalsShown.last(), QString("startFailure"));
        QVERIFY2(message.contains(QFileInfo(missing).fileName()), qPrintable(message));
    }

    void administrationButtonFollowsTheSignedInUser()
    {
        kit->state.userFirstName = kit->state.userSurname = "admin";
        frmMain menu(*kit->context);
        kit->context->mainMenu = &menu;
        QVERIFY(menu.loadFailure().isEmpty());
        menu.show();
        QVERIFY(menu.btnBOSS->isVisible());

        clickOn(menu.btNEW);
        QVERIFY(kit->state.switchingUser);
        QVERIFY(menu.isHidden());
        auto* identification = kit->context->window<id_reader>("id_reader");
        QVERIFY(identification && identification->isVisible());
        identification->Текст1->setText("Иван");
        identification->Текст2->setText("Петров");
        identification->Текст3->setText("1111");
        clickOn(identification->Комманда1);
        QVERIFY(menu.isVisible());
        QVERIFY(!menu.btnBOSS->isVisible());

        // Cancel while switching returns to the menu with the same user.
        clickOn(menu.btNEW);
        QVERIFY(identification->Текст1->text().isEmpty());
        clickOn(identification->Комманда2);
        QVERIFY(menu.isVisible());
        QCOMPARE(kit->state.userFirstName, QString("Иван"));

        clickOn(menu.btNEW);
        identification->Текст1->setText("admin");
        identification->Текст2->setText("admin");
        identification->Текст3->setText("root");
        clickOn(identification->Комманда1);
        QVERIFY(menu.btnBOSS->isVisible());
        delete identification;
    }

    void buttonsLightAndExplainThemselves()
    {
        frmMain menu(*kit->context);
        menu.show();
        QTest::mouseMove(menu.btTESTS);
        QVERIFY(menu.btTESTS->isLit());
        QCOMPARE(menu.sbStatusBar->text(), QString("Выбрать тест для проверки знаний"));
        QTest::mouseMove(menu.btHELP);
        QVERIFY(menu.btHELP->isLit());
        QVERIFY(!menu.btTESTS->isLit());
        QTest::mouseMove(menu.p_BOX);
        QVERIFY(!menu.btHELP->isLit());
        QCOMPARE(menu.sbStatusBar->text(), QString("Выбери режим работы, нажав на одну из кнопок слева"));
    }

    void exitWaitsForItsSoundUnlessSoundIsOff()
    {
        frmMain menu(*kit->context);
        QList<int> ends;
        kit->context->endProgram = [&](int code) { ends << code; };
        clickOn(menu.btEXIT);
        QCOMPARE(ends, QList<int>{0});
        QCOMPARE(kit->sounds->played(), QList<Effect>{Effect::Exit});

        kit->sounds->clearPlayed();
        clickOn(menu.SOUNDchek);
        QVERIFY(!kit->state.soundOn);
        clickOn(menu.btEXIT);
        QCOMPARE(ends.size(), 2);
        QVERIFY(kit->sounds->played().isEmpty());
    }
};

QTEST_MAIN(ShellTest)
#include "tst_shell.moc"
