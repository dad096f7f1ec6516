// The contents window and the reader, driven as a student would.

#include "core/common/Cp1251.h"
#include "gui/common/SkinButton.h"
#include "gui/reader/ContentsWindow.h"
#include "gui/reader/CourseBrowser.h"
#include "gui/reader/ReaderModes.h"
#include "gui/reader/ReaderWindow.h"
#include "gui/shell/MessageWindows.h"
#include "gui/shell/Modes.h"
#include "support/GuiTestKit.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QtTest>

namespace {

const QString kFirst = QStringLiteral("1.1.Светофор (проверка зависимостей на станции)");
const QString kSecond = QStringLiteral("1.2.Стрелка");
const QString kChapter = QStringLiteral("Глава 1. Рельсовые цепи");
const QString kThird = QStringLiteral("2.1.Рельсовая цепь");
const QString kLast = QStringLiteral("19.1.Перечень путевых работ ПЧ производство которых согласовывают с ШЧ");
const QString kCourse = QStringLiteral("Электронный учебник СЦБ");

QStringList userRecord(const QString& first, const QString& second, const QString& zak, const QString& mark)
{
    QStringList lines{"first", first, "second", second, "pass", "1", "zak", zak};
    for (int slot = 1; slot <= 20; ++slot)
        lines << QStringLiteral("test%1").arg(slot) << mark;
    return lines;
}

template <typename Window>
Window* openWindow(const QString& name)
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name && widget->isVisible())
            return qobject_cast<Window*>(widget);
    }
    return nullptr;
}

void deleteClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class ReaderTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<GuiTestKit> kit;
    std::unique_ptr<QWidget> menu;
    QStringList baseLines;

    void writePage(const QString& title, const QString& body)
    {
        kit->data.writeBytes(QStringLiteral("htm/%1.htm").arg(title),
                             cp1251::encode(QStringLiteral("<html><body><p>%1</p></body></html>").arg(body)));
    }

    frmReadLearn* reader() const { return openWindow<frmReadLearn>(QStringLiteral("frmReadLearn")); }

    frmReadLearn* openReaderOn(const QString& page)
    {
        kit->state.reader.currentPage = page;
        return readerwindows::showReader(*kit->context);
    }

    QString shownText(frmReadLearn* window) const { return window->WebBrowser1->toPlainText(); }

private slots:
    void init()
    {
        kit = std::make_unique<GuiTestKit>();
        menu = std::make_unique<QWidget>();
        kit->context->mainMenu = menu.get();
        kit->state.userFirstName = QStringLiteral("Иван");
        kit->state.userSurname = QStringLiteral("Петров");
        for (int slot = 1; slot <= 20; ++slot)
            kit->state.userScores[slot] = QStringLiteral("4");
        kit->data.writeLines(QStringLiteral("soderjanie.txt"),
                             {kCourse, QStringLiteral("Раздел 1. Станция"), kFirst, kSecond,
                              QStringLiteral("Раздел 2. Перегон"), kChapter, kThird + QStringLiteral("  "), kLast});
        writePage(kFirst, QStringLiteral("Проверка светофора"));
        writePage(kSecond, QStringLiteral("Проверка стрелки"));
        writePage(kChapter, QStringLiteral("О рельсовых цепях"));
        writePage(kThird, QStringLiteral("Рельсовая цепь изолирована"));
        writePage(kLast, QStringLiteral("Работы ПЧ"));
        baseLines = QStringList{"predel", " 3 "} + userRecord("admin", "admin", "", " 5 ")
                    + userRecord("Иван", "Петров", "", "4") + userRecord("Анна", "Сидорова", kSecond, " 3 ");
        kit->data.writeLines(QStringLiteral("jpg/2_17.jpg"), baseLines);
    }

    void cleanup()
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget != menu.get() && widget->testAttribute(Qt::WA_DeleteOnClose))
                widget->close();
        }
        deleteClosedWindows();
        kit->context->windows.clear();
    }

    void buildsTheTreeAndOpensTheChosenNode()
    {
        auto* contents = qobject_cast<frmChGlava*>(modes::openContents(*kit->context));
        QVERIFY(contents && contents->isVisible());
        QCOMPARE(contents->windowTitle(), QStringLiteral("Содержание"));
        QVERIFY(!contents->btnZaklad->isVisible());
        QTreeWidgetItem* root = contents->tv1->topLevelItem(0);
        QCOMPARE(root->text(0), kCourse);
        QCOMPARE(root->childCount(), 2);
        QCOMPARE(root->child(1)->child(1)->text(0), kThird + QStringLiteral("  "));
        QVERIFY(!root->isExpanded());

        // Nothing chosen: nothing opens, even with a current item the view
        // picked itself.
        contents->tv1->setCurrentItem(root, 0, QItemSelectionModel::NoUpdate);
        clickOn(contents->btnOpen);
        QVERIFY(!reader());

        // A section opens its first entry, here a chapter page.
        contents->tv1->setCurrentItem(root->child(1));
        clickOn(contents->btnOpen);
        frmReadLearn* window = reader();
        QVERIFY(window);
        QVERIFY(!contents->isVisible());
        QCOMPARE(kit->state.reader.currentPage, kChapter);
        QVERIFY(shownText(window).contains(QStringLiteral("О рельсовых цепях")));
        QCOMPARE(kit->sounds->played(), QList<Effect>{Effect::Click});
    }

    void readsToTheLastParagraphAndBack()
    {
        frmReadLearn* window = openReaderOn(kFirst);
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), kFirst);
        QVERIFY(shownText(window).contains(QStringLiteral("Проверка светофора")));
        QVERIFY(!window->btnZaklad2->isEnabled()); // no bookmark yet

        // A link followed inside the page does not move the reader's place.
        window->WebBrowser1->setSource(QUrl::fromLocalFile(kit->data.path(QStringLiteral("htm/%1.htm").arg(kLast))));
        QVERIFY(shownText(window).contains(QStringLiteral("Работы ПЧ")));

        // The chapter line is not a stop; a title with blanks in the contents
        // is shown with them and opens the file named without them.
        kit->sounds->clearPlayed();
        clickOn(window->btnNext);
        QCOMPARE(window->windowTitle(), kSecond);
        QCOMPARE(kit->sounds->played(), (QList<Effect>{Effect::Page, Effect::Page}));
        clickOn(window->btnNext);
        QCOMPARE(window->windowTitle(), kThird);
        QVERIFY(shownText(window).contains(QStringLiteral("Рельсовая цепь изолирована")));
        clickOn(window->btnNext);
        QCOMPARE(window->windowTitle(), kLast);

        // On the last paragraph Next plays once and disables itself.
        kit->sounds->clearPlayed();
        clickOn(window->btnNext);
        QCOMPARE(kit->sounds->played(), QList<Effect>{Effect::Page});
        QVERIFY(!window->btnNext->isEnabled());
        QCOMPARE(kit->state.reader.currentPage, kLast);

        clickOn(window->btnPrev);
        QCOMPARE(window->windowTitle(), kThird);
        QVERIFY(window->btnNext->isEnabled());
        clickOn(window->btnPrev);
        clickOn(window->btnPrev);
        QCOMPARE(window->windowTitle(), kFirst);
        clickOn(window->btnPrev);
        QVERIFY(!window->btnPrev->isEnabled());
        QVERIFY(window->btnNext->isEnabled());
        QCOMPARE(kit->state.reader.currentPage, kFirst);

        kit->sounds->clearPlayed();
        menu->hide();
        clickOn(window->btnExit);
        QVERIFY(!reader());
        QVERIFY(menu->isVisible());
        QCOMPARE(kit->sounds->played(), QList<Effect>{Effect::Close});
    }

    void pointerOverAButtonShowsItsHintAndTheBackgroundClearsIt()
    {
        frmReadLearn* window = openReaderOn(kFirst);
        QCOMPARE(window->btnZaklad1->toolTip(), QStringLiteral("Положить закладку"));
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTest::mouseMove(window->btnChGlava);
        QCOMPARE(window->sbStatusBar->currentMessage(),
                 QStringLiteral("Нажми эту кнопку чтобы выбрать другой параграф из 'оглавления'."));
        QTest::mouseMove(window, QPoint(window->btnExit->x() - 20, window->btnExit->y() + 5));
        QCOMPARE(window->sbStatusBar->currentMessage(), QString());
    }

    void anEmptyLineStopsTheStepAndPagesFollowTheContentsAsItIsNow()
    {
        frmReadLearn* window = openReaderOn(kFirst);
        kit->data.writeLines(QStringLiteral("soderjanie.txt"),
                             {kCourse, QStringLiteral("Раздел 1. Станция"), kFirst, QString(), kSecond});
        clickOn(window->btnNext);
        QCOMPARE(window->windowTitle(), kFirst);
        QVERIFY(window->btnNext->isEnabled());
        QCOMPARE(kit->sounds->played().count(Effect::Page), 2);
    }

    void laysTheBookmarkInTheUserBaseAndGoesBackToIt()
    {
        frmReadLearn* window = openReaderOn(kSecond);
        clickOn(window->btnZaklad1);
        QVERIFY(window->btnZaklad2->isEnabled());
        QCOMPARE(kit->state.userBookmark, kSecond);
        QStringList expected = baseLines;
        const int secondRecord = 2 + static_cast<int>(userRecord({}, {}, {}, {}).size());
        expected[expected.indexOf(QStringLiteral("zak"), secondRecord) + 1] = kSecond;
        QCOMPARE(kit->data.readLines(QStringLiteral("jpg/2_17.jpg")), expected);
        QVERIFY(kit->modalsShown.isEmpty());

        clickOn(window->btnNext);
        QCOMPARE(window->windowTitle(), kThird);
        clickOn(window->btnZaklad2);
        QCOMPARE(window->windowTitle(), kSecond);
        QCOMPARE(kit->state.reader.currentPage, kSecond);
        QVERIFY(shownText(window).contains(QStringLiteral("Проверка стрелки")));

        // The contents window offers the bookmark from its next showing on.
        clickOn(window->btnChGlava);
        auto* contents = openWindow<frmChGlava>(QStringLiteral("frmChGlava"));
        QVERIFY(contents);
        QVERIFY(contents->btnZaklad->isVisible());
    }

    void aBookmarkThatCannotBeStoredIsReportedAndTheBaseLeftAlone()
    {
        kit->state.userSurname = QStringLiteral("Удалённый");
        frmReadLearn* window = openReaderOn(kFirst);
        QString warning;
        kit->answerNextModal([&warning](QDialog& dialog) {
            warning = dialog.findChild<QLabel*>(QStringLiteral("lab_info"))->text();
            dialog.accept();
        });
        clickOn(window->btnZaklad1);
        QCOMPARE(kit->modalsShown, QStringList{QStringLiteral("frmINFO")});
        QVERIFY(warning.contains(QStringLiteral("Вас больше нет в списке пользователей")));
        QCOMPARE(kit->data.readLines(QStringLiteral("jpg/2_17.jpg")), baseLines);
    }

    void missingAndForbiddenPagesShowAMessage()
    {
        // A bookmark from a user base another computer wrote names a file
        // outside the course's pages.
        kit->data.writeLines(QStringLiteral("secret.htm"), {QStringLiteral("<p>секрет</p>")});
        kit->state.userBookmark = QStringLiteral("..\\secret");
        frmReadLearn* window = openReaderOn(QStringLiteral("7.7.Нет такой страницы"));
        QCOMPARE(window->windowTitle(), QStringLiteral("7.7.Нет такой страницы"));
        QVERIFY(shownText(window).contains(QStringLiteral("Страница не найдена: 7.7.Нет такой страницы.htm")));

        clickOn(window->btnZaklad2);
        QVERIFY(!shownText(window).contains(QStringLiteral("секрет")));
        QVERIFY(shownText(window).contains(QStringLiteral("за пределы папки курса")));
    }

    void cancelReturnsWhereTheContentsWereOpenedFrom()
    {
        // From the main menu: cancel closes the window and the menu returns.
        auto* contents = qobject_cast<frmChGlava*>(modes::openContents(*kit->context));
        contents->tv1->topLevelItem(0)->setExpanded(true);
        clickOn(contents->btnCancel);
        QVERIFY(!contents->isVisible());
        QVERIFY(menu->isVisible());
        QCOMPARE(kit->sounds->played(), QList<Effect>{Effect::Cancel});
        deleteClosedWindows();

        // Opened again it is built anew, collapsed.
        contents = qobject_cast<frmChGlava*>(modes::openContents(*kit->context));
        QTreeWidgetItem* root = contents->tv1->topLevelItem(0);
        QVERIFY(!root->isExpanded());
        root->setExpanded(true);
        contents->tv1->setCurrentItem(root->child(0)->child(1));
        clickOn(contents->btnOpen);
        QCOMPARE(kit->state.reader.currentPage, kSecond);

        // From the reader: the same, hidden window comes back as it was left,
        // and the reader closes without bringing the menu back.
        menu->hide();
        kit->sounds->clearPlayed();
        clickOn(reader()->btnChGlava);
        QCOMPARE(openWindow<frmChGlava>(QStringLiteral("frmChGlava")), contents);
        QVERIFY(root->isExpanded());
        QVERIFY(!reader());
        QVERIFY(!menu->isVisible());
        QVERIFY(kit->state.reader.contentsFromReader);

        // Its cancel shows a new reader on the same page.
        clickOn(contents->btnCancel);
        QVERIFY(reader());
        QCOMPARE(reader()->windowTitle(), kSecond);
        QVERIFY(!contents->isVisible());
        QVERIFY(!kit->state.reader.contentsFromReader);
        QVERIFY(!kit->state.reader.leavingForContents);
        QCOMPARE(kit->sounds->played(), (QList<Effect>{Effect::Close, Effect::Cancel}));
    }

    void aContentsFileTooLongIsReportedAndWhatFitsIsShown()
    {
        QStringList lines{kCourse};
        for (int section = 1; section <= 26; ++section)
            lines << QStringLiteral("Раздел %1").arg(section) << QStringLiteral("%1.1").arg(section);
        kit->data.writeLines(QStringLiteral("soderjanie.txt"), lines);
        QString warning;
        kit->answerNextModal([&warning](QDialog& dialog) {
            warning = dialog.findChild<QLabel*>(QStringLiteral("lab_info"))->text();
            dialog.accept();
        });
        auto* contents = qobject_cast<frmChGlava*>(modes::openContents(*kit->context));
        QVERIFY(contents);
        QVERIFY(warning.contains(QStringLiteral("Не показаны строки: 52, 53.")));
        QCOMPARE(contents->tv1->topLevelItem(0)->childCount(), 25);
    }

    void aMissingContentsFileIsReportedAndNothingOpens()
    {
        QFile::remove(kit->data.path(QStringLiteral("soderjanie.txt")));
        QVERIFY(!modes::openContents(*kit->context));
        QCOMPARE(kit->modalsShown, QStringList{QStringLiteral("frmINFO")});
    }
};

QTEST_MAIN(ReaderTest)
#include "tst_reader.moc"
