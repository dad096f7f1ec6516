#include "gui/testing/TestChoiceWindow.h"

#include "core/testing/QuestionBank.h"
#include "core/testing/TestCatalogue.h"
#include "gui/common/Backdrop.h"
#include "gui/common/PictureButton.h"
#include "gui/common/SkinButton.h"
#include "gui/common/SkinSet.h"
#include "gui/common/WindowDrag.h"
#include "gui/shell/AppContext.h"
#include "gui/shell/MessageWindows.h"
#include "gui/testing/IntroWindow.h"
#include "platform/SoundEffects.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>

namespace {

constexpr int kWidth = 600;  // 9000 twips
constexpr int kHeight = 266; // 3990 twips
constexpr int kTitleBand = 30;
constexpr int kStatusStrip = 28;

const QString kNeutral = QStringLiteral("Выберите тест и нажмите кнопку 'Пройти тест'.");
const QString kPauseNotice =
    QStringLiteral(" Во время прохождения теста вы можете взять 3 паузы (пауза активируется после ответа на вопрос).");

} // namespace

void TitleList::showPopup()
{
    emit opening();
    QComboBox::showPopup();
}

frmTestCh::frmTestCh(AppContext& context)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
    , context_(context)
{
    setObjectName(QStringLiteral("frmTestCh"));
    setWindowTitle(QStringLiteral("Выбор теста "));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(kWidth, kHeight);

    auto* title = new QLabel(QStringLiteral("Выбор теста "), this);
    title->setObjectName(QStringLiteral("labTitle"));
    title->setGeometry(14, 0, kWidth - 80, kTitleBand);
    title->setStyleSheet(QStringLiteral("color:#e8eef8;font-weight:bold;"));
    title->setAttribute(Qt::WA_TransparentForMouseEvents);

    coMBO1 = new TitleList(this);
    coMBO1->setObjectName(QStringLiteral("coMBO1"));
    coMBO1->setGeometry(20, kTitleBand + 14, kWidth - 40, 28);

    metDESCRIBE = new QLabel(this);
    metDESCRIBE->setObjectName(QStringLiteral("metDESCRIBE"));
    metDESCRIBE->setWordWrap(true);
    metDESCRIBE->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    metDESCRIBE->setStyleSheet(QStringLiteral("color:#e8eef8;font-size:11pt;"));
    metDESCRIBE->setGeometry(20, kTitleBand + 52, 420, 130);

    sbSTATUSBAR = new QLabel(QStringLiteral("Выберите название теста."), this);
    sbSTATUSBAR->setObjectName(QStringLiteral("sbSTATUSBAR"));
    sbSTATUSBAR->setGeometry(0, kHeight - kStatusStrip, kWidth, kStatusStrip);
    sbSTATUSBAR->setIndent(12);
    sbSTATUSBAR->setStyleSheet(
        QStringLiteral("color:#ffd54a;background:#16243d;border-top:1px solid #8aa0c0;"));

    auto* skins = new SkinSet(this, sbSTATUSBAR, kNeutral);
    btnOK = new SkinButton(context_.state.skinFolder, QStringLiteral("tests"), QStringLiteral("ok"),
                           QStringLiteral("Пройти тест"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setHint(QStringLiteral("Нажми для начала выбранного теста."));
    btnEXIT = new SkinButton(context_.state.skinFolder, QStringLiteral("tests"), QStringLiteral("return"),
                             QStringLiteral("Назад"), this);
    btnEXIT->setObjectName(QStringLiteral("btnEXIT"));
    btnEXIT->setHint(QStringLiteral("Нажми чтобы вернуться в главное меню."));
    for (SkinButton* button : {btnOK, btnEXIT}) {
        skins->add(button);
        button->showNormalBitmap();
    }
    btnOK->move(kWidth - btnOK->width() - 20, kTitleBand + 60);
    btnEXIT->move(kWidth - btnEXIT->width() - 20, kTitleBand + 60 + btnOK->height() + 16);
    skins->addPlainArea(metDESCRIBE);
    new WindowDrag(this, {metDESCRIBE});

    const CornerButtons corner = CornerButtons::attach(this);
    connect(corner.minimise, &PictureButton::clicked, this, [this] {
        context_.sounds.play(Effect::Click);
        showMinimized();
    });
    connect(corner.close, &PictureButton::clicked, this, &frmTestCh::leave);
    connect(btnEXIT, &SkinButton::clicked, this, &frmTestCh::leave);
    connect(btnOK, &SkinButton::clicked, this, &frmTestCh::startTest);
    connect(coMBO1, &TitleList::opening, this, [this] {
        sbSTATUSBAR->setText(QStringLiteral("Выберайте название теста."));
        context_.sounds.play(Effect::Click);
    });
    connect(coMBO1, &QComboBox::activated, this, &frmTestCh::choose);

    coMBO1->addItems(context_.state.catalogue.titles());
    if (coMBO1->count() > 0) {
        coMBO1->setCurrentIndex(0);
        choose(0);
    }

    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void frmTestCh::choose(int index)
{
    context_.sounds.play(Effect::Click);
    TestRun& run = context_.state.testing.run;
    run.testName = coMBO1->itemText(index);
    metDESCRIBE->setText(knowntests::descriptionByTitle(run.testName).value_or(QString()) + kPauseNotice);
}

void frmTestCh::startTest()
{
    context_.sounds.play(Effect::Open);
    TestRun& run = context_.state.testing.run;
    if (const auto bank = context_.state.catalogue.bankOf(run.testName))
        run.bankFile = *bank;

    auto* intro = new frmFullTest(context_);
    const BankLoad load = intro->prepare();
    if (!load.ok) {
        delete intro;
        showWarning(context_, load.problem);
        return;
    }
    context_.windows.insert(QStringLiteral("frmFullTest"), intro);
    intro->show();
    hide();
}

void frmTestCh::leave()
{
    context_.sounds.play(Effect::Close);
    close();
}

void frmTestCh::closeEvent(QCloseEvent* event)
{
    context_.showMainMenu();
    event->accept();
}

void frmTestCh::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    backdrop::paint(painter, rect(), kTitleBand);
}
