// The help and about windows: which document, where they return to, and the
// about window's tune.

#include "core/common/Cp1251.h"
#include "gui/common/SkinButton.h"
#include "gui/reader/AboutWindow.h"
#include "gui/reader/CourseBrowser.h"
#include "gui/reader/HelpWindow.h"
#include "gui/reader/ReaderModes.h"
#include "gui/shell/Modes.h"
#include "support/GuiTestKit.h"

#include <QApplication>
#include <QTimer>
#include <QtTest>

class ReaderHelpTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<GuiTestKit> kit;
    std::unique_ptr<QWidget> menu;

    void writePage(const QString& tail, const QString& body)
    {
        kit->data.writeBytes(tail, cp1251::encode(QStringLiteral("<html><body><p>%1</p></body></html>").arg(body)));
    }

    static QString shownText(QWidget* window, const char* browser)
    {
        return child<CourseBrowser>(window, QString::fromLatin1(browser))->toPlainText();
    }

private slots:
    void init()
    {
        kit = std::make_unique<GuiTestKit>();
        menu = std::make_unique<QWidget>();
        kit->context->mainMenu = menu.get();
        writePage(QStringLiteral("htm/help.htm"), QStringLiteral("Как пользоваться программой"));
        writePage(QStringLiteral("htm/Помощь для сетевой версии.htm"), QStringLiteral("Сетевая версия"));
        writePage(QStringLiteral("htm/about/about.htm"), QStringLiteral("О программе"));
        writePage(QStringLiteral("htm/about/1/about.htm"), QStringLiteral("Создатели"));
    }

    void cleanup()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void helpFromTheMenuReturnsToTheMenu()
    {
        kit->state.helpFromConsole = true; // left from the console: the menu's opener clears it
        QWidget* help = modes::openHelp(*kit->context);
        QCOMPARE(help->objectName(), QStringLiteral("frmHELP"));
        QCOMPARE(help->windowTitle(), QStringLiteral("Помощь"));
        QVERIFY(help->isMaximized());
        QVERIFY(shownText(help, "WebBrowser2").contains(QStringLiteral("Как пользоваться программой")));

        clickOn(child<SkinButton>(help, QStringLiteral("Комманда1")));
        QVERIFY(!help->isVisible());
        QVERIFY(menu->isVisible());
        QCOMPARE(kit->sounds->played(), QList<Effect>{Effect::Close});
    }

    void consoleHelpHidesTheConsoleAndReturnsToIt()
    {
        QWidget console;
        console.show();
        QWidget* help = modes::openConsoleHelp(*kit->context, &console);
        QVERIFY(!console.isVisible());
        QVERIFY(shownText(help, "WebBrowser2").contains(QStringLiteral("Сетевая версия")));

        // The window's own close box: no sound.
        help->close();
        QVERIFY(console.isVisible());
        QVERIFY(!menu->isVisible());
        QVERIFY(!kit->state.helpFromConsole);
        QVERIFY(kit->sounds->played().isEmpty());
    }

    void resultsHistoryReturnsToTheReportAndDeletesItsCopy()
    {
        kit->data.writeLines(QStringLiteral("htm/history.txt"), {QStringLiteral("Петров Иван  5"), QStringLiteral("Итого: 1")});
        QWidget report;
        report.setWindowIcon(QIcon(QPixmap(16, 16)));
        QWidget* help = modes::openResultsHistory(*kit->context, &report);
        QCOMPARE(help->windowTitle(), QStringLiteral("История сохраненных результатов тестов"));
        QCOMPARE(shownText(help, "WebBrowser2"), QStringLiteral("Петров Иван  5\nИтого: 1"));

        clickOn(child<SkinButton>(help, QStringLiteral("Комманда1")));
        QVERIFY(report.isVisible());
        QVERIFY(!menu->isVisible());
        QVERIFY(!kit->data.exists(QStringLiteral("htm/history.txt")));
        QVERIFY(!kit->state.reader.showResultsHistory);
    }

    void aMissingDocumentIsNamedInTheBrowser()
    {
        QFile::remove(kit->data.path(QStringLiteral("htm/help.htm")));
        QWidget* help = modes::openHelp(*kit->context);
        QCOMPARE(shownText(help, "WebBrowser2"), QStringLiteral("Страница не найдена: help.htm"));
        help->close();
    }

    void pagesAreWindows1251UnlessTheyNameAnotherCharset()
    {
        const QString text = QStringLiteral("Рельсовая цепь");
        QVERIFY(decodePage(cp1251::encode(text)).contains(text));
        QVERIFY(decodePage(cp1251::encode(QStringLiteral("<meta charset=windows-1251>") + text)).contains(text));
        QVERIFY(decodePage(QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">%1")
                               .arg(text)
                               .toUtf8())
                    .contains(text));
    }

    void helpKeepsItsBrowserWhenShrunkBelowTheButtonStrip()
    {
        QWidget* help = modes::openHelp(*kit->context);
        help->showNormal();
        help->resize(600, 400);
        auto* browser = child<CourseBrowser>(help, QStringLiteral("WebBrowser2"));
        const int height = browser->height();
        QCOMPARE(height, 400 - 1250 / 15);
        help->resize(600, 60);
        QCOMPARE(browser->height(), height);
        help->close();
    }

    void aboutShowsBothPagesAndClosingEarlyPlaysNoTune()
    {
        auto* about = qobject_cast<frmWebABOUT*>(modes::openAbout(*kit->context));
        QVERIFY(about);
        QCOMPARE(about->windowTitle(), QStringLiteral("О программе и создателях"));
        QVERIFY(shownText(about, "brOUser2").contains(QStringLiteral("О программе")));
        QVERIFY(shownText(about, "brOUser3").contains(QStringLiteral("Создатели")));
        QVERIFY(about->TIMer->isActive());
        QCOMPARE(about->TIMer->interval(), 3000);

        clickOn(about->Комманда1);
        QVERIFY(menu->isVisible());
        QCOMPARE(kit->sounds->played(), QList<Effect>{Effect::Close});
    }

    void aboutTuneStartsOncePerOpeningAndEndsWithTheWindow()
    {
        for (int opening = 0; opening < 2; ++opening) {
            kit->sounds->clearPlayed();
            auto* about = qobject_cast<frmWebABOUT*>(modes::openAbout(*kit->context));
            QVERIFY(about->TIMer->isActive());
            about->startTune();
            QVERIFY(!about->TIMer->isActive());
            about->close(); // the title bar's close box
            QCOMPARE(kit->sounds->played(), (QList<Effect>{Effect::Pause, Effect::Close}));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
};

QTEST_MAIN(ReaderHelpTest)
#include "tst_readerhelp.moc"
