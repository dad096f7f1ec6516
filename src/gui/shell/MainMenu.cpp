#include "gui/shell/MainMenu.h"

#include "core/common/DataFiles.h"
#include "core/shell/ViewerInstall.h"
#include "core/testing/TestCatalogue.h"
#include "gui/common/Backdrop.h"
#include "gui/common/PictureButton.h"
#include "gui/common/SkinButton.h"
#include "gui/common/SkinSet.h"
#include "gui/common/Twips.h"
#include "gui/common/WindowDrag.h"
#include "gui/shell/AppContext.h"
#include "gui/shell/Modes.h"
#include "gui/users/IdReader.h"
#include "platform/Platform.h"
#include "platform/SoundEffects.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QtDebug>

namespace {

constexpr int kWidth = 660;
constexpr int kHeight = 470;
constexpr int kBanner = 60;
constexpr int kStatusStrip = 30;
const QString kNeutral = QStringLiteral("Выбери режим работы, нажав на одну из кнопок слева");

} // namespace

frmMain::frmMain(AppContext& context)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
    , context_(context)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Lumora"));
    setFixedSize(kWidth, kHeight);
    buildControls();
    load();
}

SkinButton* frmMain::addColumnButton(const QString& objectName, const QString& bitmap, const QString& caption,
                                     const QString& hint)
{
    auto* button = new SkinButton(context_.state.skinFolder, QStringLiteral("main"), bitmap, caption, this);
    button->setObjectName(objectName);
    button->setHint(hint);
    skins_->add(button);
    button->showNormalBitmap();
    return button;
}

void frmMain::buildControls()
{
    PICTURE1 = new QLabel(QStringLiteral("Lumora — обслуживание устройств СЦБ"), this);
    PICTURE1->setObjectName(QStringLiteral("PICTURE1"));
    PICTURE1->setGeometry(0, 0, kWidth - 130, kBanner);
    PICTURE1->setIndent(18);
    PICTURE1->setStyleSheet(QStringLiteral("color:#ffffff;font-size:14pt;font-weight:bold;"));

    sbStatusBar = new QLabel(kNeutral + QLatin1Char('.'), this);
    sbStatusBar->setObjectName(QStringLiteral("sbStatusBar"));
    sbStatusBar->setGeometry(12, kHeight - kStatusStrip, kWidth - 24, kStatusStrip);
    sbStatusBar->setStyleSheet(QStringLiteral("color:#ffd54a;"));

    skins_ = new SkinSet(this, sbStatusBar, kNeutral);
    btREAD = addColumnButton(QStringLiteral("btREAD"), QStringLiteral("read"), QStringLiteral("Изучение"),
                             QStringLiteral("Изучение материала с проверкой знаний по желанию"));
    btTESTS = addColumnButton(QStringLiteral("btTESTS"), QStringLiteral("tests"), QStringLiteral("Тесты"),
                              QStringLiteral("Выбрать тест для проверки знаний"));
    btZAL = addColumnButton(QStringLiteral("btZAL"), QStringLiteral("dostig"), QStringLiteral("Результаты"),
                            QStringLiteral("Посмотреть результаты тестов"));
    btnBOSS = addColumnButton(QStringLiteral("btnBOSS"), QStringLiteral("admin"), QStringLiteral("Администратор"),
                              QStringLiteral("Администрирование"));
    btNEW = addColumnButton(QStringLiteral("btNEW"), QStringLiteral("new"), QStringLiteral("Новый пользователь"),
                            QStringLiteral("Вход нового пользователя"));
    btHELP = addColumnButton(QStringLiteral("btHELP"), QStringLiteral("help"), QStringLiteral("Помощь"),
                             QStringLiteral("Здесь вас научат как пользоваться программой"));
    btEXIT = addColumnButton(QStringLiteral("btEXIT"), QStringLiteral("exit"), QStringLiteral("Выход"),
                             QStringLiteral("Всё, с меня достаточно! Я ухожу!"));
    int top = kBanner + 14;
    for (SkinButton* button : {btREAD, btTESTS, btZAL, btnBOSS, btNEW, btHELP, btEXIT}) {
        button->move(16, top);
        top += 50;
    }

    p_BOX = new QLabel(this);
    p_BOX->setObjectName(QStringLiteral("p_BOX"));
    p_BOX->setGeometry(222, kBanner + 14, 420, 330);
    p_BOX->setScaledContents(true);
    skins_->addPlainArea(p_BOX);

    SOUNDchek = new QCheckBox(QStringLiteral("звук"), this);
    SOUNDchek->setObjectName(QStringLiteral("SOUNDchek"));
    SOUNDchek->setChecked(true);
    SOUNDchek->setStyleSheet(QStringLiteral("QCheckBox{color:#e8eef8;}"));
    SOUNDchek->adjustSize();
    SOUNDchek->move(kWidth - 110, 34);
    SOUNDchek->setMouseTracking(true);
    SOUNDchek->installEventFilter(this);
    connect(SOUNDchek, &QCheckBox::clicked, this, [this](bool ticked) { context_.state.soundOn = ticked; });

    aboUT = new QLabel(this);
    aboUT->setObjectName(QStringLiteral("aboUT"));
    aboUT->setGeometry(kWidth - twips(135), kHeight - twips(135), twips(135), twips(135));
    aboUT->setCursor(Qt::PointingHandCursor);
    aboUT->installEventFilter(this);

    const CornerButtons corner = CornerButtons::attach(this);
    connect(corner.minimise, &PictureButton::clicked, this, [this] {
        context_.sounds.play(Effect::Click);
        showMinimized();
    });
    connect(corner.close, &PictureButton::clicked, this, [this] {
        context_.sounds.play(Effect::Close);
        context_.endProgram(0);
    });
    new WindowDrag(this, {p_BOX, PICTURE1});

    connect(btREAD, &SkinButton::clicked, this, [this] { openMode(&modes::openContents); });
    connect(btTESTS, &SkinButton::clicked, this, [this] { openMode(&modes::openTestChoice); });
    connect(btZAL, &SkinButton::clicked, this, [this] { openMode(&modes::openBoard); });
    connect(btnBOSS, &SkinButton::clicked, this, [this] { openMode(&modes::openAdministration); });
    connect(btNEW, &SkinButton::clicked, this, &frmMain::switchUser);
    connect(btHELP, &SkinButton::clicked, this, [this] {
        context_.sounds.play(Effect::Help);
        context_.state.helpFromConsole = false;
        if (modes::openHelp(context_))
            hide();
    });
    connect(btEXIT, &SkinButton::clicked, this, &frmMain::exitProgram);
}

void frmMain::load()
{
    // Live test files left by a test that never ended would show the teacher a ghost.
    for (const QString& tail : {datafiles::liveTestState(), datafiles::answerLog()}) {
        const QString path = context_.data().file(tail);
        if (QFile::exists(path))
            QFile::remove(path);
    }

    ViewerInstallation viewer;
    viewer.viewerFolder = platform::viewerFolder(&viewer.parentFolder);
    viewer.dataFolder = context_.data().folder();
    for (const QString& failure : installViewer(viewer))
        qWarning().noquote() << "viewer installation:" << failure;

    const QString menuPicture = context_.data().file(QStringLiteral("jpg\\main\\3_1.jpg"));
    const QPixmap picture(menuPicture);
    if (picture.isNull()) {
        loadFailure_ = QStringLiteral("Не найдена картинка главного меню:\n%1").arg(menuPicture);
        return;
    }
    p_BOX->setPixmap(picture);

    const QString cataloguePath = context_.data().file(datafiles::catalogue());
    const CatalogueLoad catalogue = loadCatalogue(cataloguePath, context_.state.catalogue);
    if (!catalogue.opened) {
        loadFailure_ = QStringLiteral("Не найден каталог тестов:\n%1").arg(cataloguePath);
        return;
    }
    if (!catalogue.problem.isEmpty())
        qWarning().noquote() << "test catalogue" << cataloguePath << "is damaged:" << catalogue.problem;

    applyAdministratorRule();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
}

void frmMain::applyAdministratorRule()
{
    btnBOSS->setVisible(context_.state.isAdministrator());
}

void frmMain::openMode(QWidget* (*opener)(AppContext&))
{
    context_.sounds.play(Effect::Open);
    if (opener(context_))
        hide();
}

void frmMain::switchUser()
{
    context_.sounds.play(Effect::Open);
    context_.state.switchingUser = true;
    auto* identification = context_.window<id_reader>(QStringLiteral("id_reader"));
    if (!identification) {
        identification = new id_reader(context_);
        context_.windows.insert(QStringLiteral("id_reader"), identification);
    }
    identification->clearBoxes();
    identification->show();
    identification->activateWindow();
    hide(); // the identification window hides the menu while it is the active one
}

void frmMain::exitProgram()
{
    context_.sounds.play(Effect::Exit); // returns when the sound has finished
    context_.endProgram(0);
}

void frmMain::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        applyAdministratorRule();
    QWidget::changeEvent(event);
}

void frmMain::showEvent(QShowEvent* event)
{
    applyAdministratorRule();
    QWidget::showEvent(event);
}

void frmMain::closeEvent(QCloseEvent* event)
{
    // Only the platform closes the menu this way (the program's own exits end
    // it directly): close the other windows, keep the placement.
    for (const auto& window : std::as_const(context_.windows)) {
        if (window)
            window->close();
    }
    if (!isMinimized())
        platform::storeMainWindowPlacement(
            QRect(toTwips(x()), toTwips(y()), toTwips(width()), toTwips(height())));
    event->accept();
    context_.endProgram(0);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == SOUNDchek && (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter))
        sbStatusBar->setText(QStringLiteral("Включение/отключение звука"));
    if (watched == aboUT && event->type() == QEvent::MouseButtonDblClick) {
        context_.sounds.play(Effect::About);
        if (modes::openAbout(context_))
            hide();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmMain::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    backdrop::paint(painter, rect(), kBanner);
    painter.fillRect(QRect(0, height() - kStatusStrip, width(), kStatusStrip), QColor(0x0b, 0x15, 0x26));
}
