#include "gui/reader/ReaderWindow.h"

#include "core/common/DataFiles.h"
#include "core/reader/CoursePage.h"
#include "core/reader/ParagraphSequence.h"
#include "core/users/WriteBack.h"
#include "gui/common/Twips.h"
#include "gui/reader/ContentsWindow.h"
#include "gui/reader/CourseBrowser.h"
#include "gui/reader/ReaderFaces.h"
#include "gui/reader/ReaderModes.h"
#include "gui/shell/AppContext.h"
#include "gui/shell/MessageWindows.h"
#include "platform/SoundEffects.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusBar>

using readerfaces::Face;

namespace {

constexpr int kButtonTop = twips(30);
constexpr int kButtonHeight = twips(615);
constexpr int kBrowserTop = twips(660);
const QColor kBackground(144, 152, 160);

} // namespace

frmReadLearn::frmReadLearn(AppContext& context)
    : QWidget(nullptr, Qt::Window)
    , context_(context)
{
    setObjectName(QStringLiteral("frmReadLearn"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(twips(9480), twips(6720));
    setMouseTracking(true);

    btnPrev = addButton("btnPrev", 120, 1215, Face::Previous, QStringLiteral("Предыдущий параграф"),
                        QStringLiteral("Нажми эту кнопку чтобы перейти к предыдущему параграфу."));
    btnNext = addButton("btnNext", 1440, 1215, Face::Next, QStringLiteral("Следующий параграф"),
                        QStringLiteral("Нажми эту кнопку чтобы перейти к следующему параграфу (или вопросам в режиме'учиться')."));
    btnZaklad1 = addButton("btnZaklad1", 3120, 735, Face::LayBookmark, QStringLiteral("Положить закладку"),
                           QStringLiteral("Нажми сюда, чтобы положить закладку."));
    btnZaklad2 = addButton("btnZaklad2", 4080, 735, Face::GoToBookmark, QStringLiteral("Перейти к закладке"),
                           QStringLiteral("Перейти к параграфу на котором лежит закладка."));
    btnChGlava = addButton("btnChGlava", 5040, 735, Face::Contents, QStringLiteral("Выбрать другой раздел"),
                           QStringLiteral("Нажми эту кнопку чтобы выбрать другой параграф из 'оглавления'."));
    btnExit = addButton("btnExit", 8280, 735, Face::Exit, QStringLiteral("Выход в главное меню"),
                        QStringLiteral("Нажми эту кнопку чтобы вернуться в главное меню."));

    WebBrowser1 = new CourseBrowser(this);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    sbStatusBar = new QStatusBar(this);
    sbStatusBar->setObjectName(QStringLiteral("sbStatusBar"));
    sbStatusBar->setSizeGripEnabled(false);

    connect(btnPrev, &QPushButton::clicked, this, [this] { step(false); });
    connect(btnNext, &QPushButton::clicked, this, [this] { step(true); });
    connect(btnZaklad1, &QPushButton::clicked, this, &frmReadLearn::layBookmark);
    connect(btnZaklad2, &QPushButton::clicked, this, &frmReadLearn::goToBookmark);
    connect(btnChGlava, &QPushButton::clicked, this, &frmReadLearn::openContents);
    connect(btnExit, &QPushButton::clicked, this, &QWidget::close);

    // Opening.
    WebBrowser1->move(0, kBrowserTop);
    btnZaklad2->setEnabled(!context_.state.userBookmark.isEmpty());
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kBackground);
    colours.setColor(QPalette::Button, kBackground);
    setPalette(colours);
    setAutoFillBackground(true);
    if (context_.mainMenu)
        setWindowIcon(context_.mainMenu->windowIcon());
    setWindowTitle(context_.state.reader.currentPage);
    if (auto* contents = context_.window<frmChGlava>(QStringLiteral("frmChGlava")))
        contents->hide();
    layOut(true);
    showCurrentPage();
}

QPushButton* frmReadLearn::addButton(const char* name, int leftTwips, int widthTwips, Face face,
                                     const QString& toolTip, const QString& hint)
{
    auto* button = new QPushButton(readerfaces::icon(face), QString(), this);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(twips(leftTwips), kButtonTop, twips(widthTwips), kButtonHeight);
    button->setIconSize(QSize(32, 32));
    button->setToolTip(toolTip);
    button->setMouseTracking(true);
    button->installEventFilter(this);
    hints_.insert(button, hint);
    return button;
}

bool frmReadLearn::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove && hints_.contains(watched))
        sbStatusBar->showMessage(hints_.value(watched));
    return QWidget::eventFilter(watched, event);
}

void frmReadLearn::mouseMoveEvent(QMouseEvent* event)
{
    // A button passes on the moves it does not use: those keep its hint.
    if (!hints_.contains(childAt(event->position().toPoint())))
        sbStatusBar->clearMessage();
    QWidget::mouseMoveEvent(event);
}

void frmReadLearn::layOut(bool atLoad)
{
    const int statusHeight = sbStatusBar->sizeHint().height();
    sbStatusBar->setGeometry(0, height() - statusHeight, width(), statusHeight);
    const int browserHeight = height() - statusHeight - btnExit->height() - twips(450);
    int newHeight = WebBrowser1->height();
    if (atLoad)
        newHeight = std::max(browserHeight, 0);
    else if (browserHeight > 0)
        newHeight = browserHeight;
    WebBrowser1->resize(std::max(width() - twips(130), 0), newHeight);
}

void frmReadLearn::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layOut(false);
}

void frmReadLearn::showCurrentPage()
{
    const QString& page = context_.state.reader.currentPage;
    if (const std::optional<QString> path = coursePagePath(context_.data(), page))
        WebBrowser1->showFile(*path);
    else
        WebBrowser1->showMessage(QStringLiteral("Страница «%1» не может быть показана: её имя ведёт за пределы папки курса.")
                                     .arg(page.trimmed()));
    setWindowTitle(page);
}

void frmReadLearn::step(bool forward)
{
    QString& page = context_.state.reader.currentPage;
    context_.sounds.play(Effect::Page);
    const bool atEnd = forward ? coursebounds::isLastParagraph(page) : coursebounds::isFirstParagraph(page);
    if (atEnd) {
        (forward ? btnNext : btnPrev)->setEnabled(false);
        return;
    }
    btnNext->setEnabled(true);
    btnPrev->setEnabled(true);
    // The contents may have changed since the last step: read them each time.
    if (const auto sequence = ParagraphSequence::load(context_.data().file(QStringLiteral("soderjanie.txt")))) {
        if (const std::optional<QString> target = forward ? sequence->after(page) : sequence->before(page)) {
            page = *target;
            showCurrentPage();
        }
    }
    context_.sounds.play(Effect::Page);
}

void frmReadLearn::layBookmark()
{
    context_.state.userBookmark = context_.state.reader.currentPage;
    btnZaklad2->setEnabled(true);
    const WriteBackResult result = writeBack(context_.data().file(datafiles::userBase()), context_.state);
    if (result != WriteBackResult::Stored)
        showWarning(context_, writeBackFailureText(result));
}

void frmReadLearn::goToBookmark()
{
    context_.state.reader.currentPage = context_.state.userBookmark;
    showCurrentPage();
}

void frmReadLearn::openContents()
{
    ReaderState& reader = context_.state.reader;
    reader.contentsFromReader = true;
    if (!readerwindows::showContents(context_)) {
        reader.contentsFromReader = false;
        return;
    }
    reader.leavingForContents = true;
    close();
}

void frmReadLearn::closeEvent(QCloseEvent* event)
{
    context_.sounds.play(Effect::Close);
    if (!context_.state.reader.leavingForContents)
        context_.showMainMenu();
    event->accept();
}
