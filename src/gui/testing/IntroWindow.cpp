#include "gui/testing/IntroWindow.h"

#include "core/common/DataPath.h"
#include "core/testing/TestCatalogue.h"
#include "core/testing/TestRunRules.h"
#include "gui/common/Backdrop.h"
#include "gui/common/SkinButton.h"
#include "gui/common/SkinSet.h"
#include "gui/common/WindowDrag.h"
#include "gui/shell/AppContext.h"
#include "gui/testing/RunnerWindow.h"
#include "gui/testing/TestWindows.h"
#include "platform/SoundEffects.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>

namespace {

constexpr int kWidth = 560;  // 8400 twips
constexpr int kHeight = 291; // 4365 twips

const QString kCourseIntroduction = QStringLiteral(
    "    Настало время проверить Ваши знания по всему предмету . Вам будет предложено 100 вопросов по всем "
    "пройденным темам. У Вас попрежнему три паузы, расходуйте их с умом.    И так, готовы?");
const QString kPauseNotice = QStringLiteral(
    " Во время прохождения теста вы можете взять 3 паузы (пауза активируется после ответа на вопрос).  И так, готовы?");

// A button that shows a picture of the window's own area until the pointer
// first passes over it, then follows the hover rule with its own bitmaps.
void showStartingPicture(SkinButton* button, const QString& skinFolder, const QString& file)
{
    const QPixmap picture(datapath::resolve(skinFolder, file));
    if (picture.isNull()) {
        button->showNormalBitmap();
        return;
    }
    button->setPixmap(picture);
    button->setFixedSize(picture.size());
}

} // namespace

frmFullTest::frmFullTest(AppContext& context)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
    , context_(context)
{
    setObjectName(QStringLiteral("frmFullTest"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(kWidth, kHeight);

    LAB11 = new QLabel(this);
    LAB11->setObjectName(QStringLiteral("LAB11"));
    LAB11->setAlignment(Qt::AlignCenter);
    LAB11->setWordWrap(true);
    LAB11->setStyleSheet(QStringLiteral("color:#ffd54a;font-size:15pt;font-weight:bold;"));
    LAB11->setGeometry(20, 14, kWidth - 40, 48);

    LABEL1 = new QLabel(kCourseIntroduction, this);
    LABEL1->setObjectName(QStringLiteral("LABEL1"));
    LABEL1->setWordWrap(true);
    LABEL1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LABEL1->setStyleSheet(QStringLiteral("color:#e8eef8;font-size:11pt;"));
    LABEL1->setGeometry(28, 70, kWidth - 56, 140);

    LABEL2 = new QLabel(QStringLiteral("не закончен..."), this);
    LABEL2->setObjectName(QStringLiteral("LABEL2"));
    LABEL2->setAlignment(Qt::AlignCenter);
    LABEL2->setStyleSheet(QStringLiteral("color:#ff8a6a;font-size:16pt;font-style:italic;"));
    LABEL2->setGeometry(20, 100, kWidth - 40, 60);

    const QString& skinFolder = context_.state.skinFolder;
    cmdSTART = new SkinButton(skinFolder, QStringLiteral("ID"), QStringLiteral("ok"), QStringLiteral("OK"), this);
    cmdSTART->setObjectName(QStringLiteral("cmdSTART"));
    cmdEXIT = new SkinButton(skinFolder, QStringLiteral("ID"), QStringLiteral("cancel"), QStringLiteral("Отмена"), this);
    cmdEXIT->setObjectName(QStringLiteral("cmdEXIT"));
    cmdRETurn = new SkinButton(skinFolder, QStringLiteral("FULLtest"), QStringLiteral("return"),
                               QStringLiteral("Вернуться"), this);
    cmdRETurn->setObjectName(QStringLiteral("cmdRETurn"));
    showStartingPicture(cmdSTART, skinFolder, QStringLiteral("fulltest/ok.bmp"));
    showStartingPicture(cmdEXIT, skinFolder, QStringLiteral("fulltest/cancel.bmp"));
    showStartingPicture(cmdRETurn, skinFolder, QStringLiteral("fulltest/return.bmp"));
    auto* skins = new SkinSet(this);
    for (SkinButton* button : {cmdSTART, cmdEXIT, cmdRETurn})
        skins->add(button);
    skins->addPlainArea(LABEL1);
    const int top = kHeight - cmdSTART->height() - 20;
    cmdSTART->move(60, top);
    cmdRETurn->move(60, top);
    cmdEXIT->move(kWidth - cmdEXIT->width() - 60, top);
    new WindowDrag(this);

    connect(cmdSTART, &SkinButton::clicked, this, &frmFullTest::startRun);
    connect(cmdRETurn, &SkinButton::clicked, this, &frmFullTest::returnAfterAbandon);
    connect(cmdEXIT, &SkinButton::clicked, this, &frmFullTest::exitWithoutTesting);

    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

BankLoad frmFullTest::prepare()
{
    testStarted_ = false;
    TestingState& testing = context_.state.testing;
    if (const auto description = knowntests::descriptionByBankFile(testing.run.bankFile))
        LABEL1->setText(*description + kPauseNotice);
    cmdRETurn->hide();
    LABEL2->hide();
    const BankLoad load = testrun::prepare(
        testing, context_.data().file(QStringLiteral("jpg\\") + testing.run.bankFile), testwindows::shuffleDraw());
    setWindowTitle(testing.run.testName);
    LAB11->setText(testing.run.testName);
    return load;
}

void frmFullTest::startRun()
{
    testStarted_ = true;
    context_.sounds.play(Effect::Click);
    hide();
    cmdSTART->hide();
    auto* runner = new fullTST(context_);
    context_.windows.insert(QStringLiteral("fullTST"), runner);
    connect(runner, &fullTST::abandoned, this, &frmFullTest::showNotFinished);
    runner->start();
}

void frmFullTest::showNotFinished()
{
    LABEL1->hide();
    cmdSTART->hide();
    cmdEXIT->hide();
    cmdRETurn->show();
    LABEL2->show();
    show();
    activateWindow();
}

void frmFullTest::recordAbandoned()
{
    // The run never ended, so its grade is 0: the test's earlier mark goes.
    testwindows::storeMark(context_);
}

void frmFullTest::returnAfterAbandon()
{
    recordAbandoned();
    context_.sounds.play(Effect::Close);
    close();
}

void frmFullTest::exitWithoutTesting()
{
    if (context_.state.testing.run.pictureViewerOpen)
        testwindows::closePicture(context_);
    if (testStarted_)
        recordAbandoned();
    context_.sounds.play(Effect::Cancel);
    testStarted_ = false;
    close();
}

void frmFullTest::closeEvent(QCloseEvent* event)
{
    // However the introduction goes, the test choice comes back and the run ends.
    testwindows::showTestChoice(context_);
    if (auto* runner = context_.window<fullTST>(QStringLiteral("fullTST")))
        runner->dismiss();
    event->accept();
}

void frmFullTest::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    backdrop::paint(painter, rect());
}
