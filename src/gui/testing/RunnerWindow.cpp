#include "gui/testing/RunnerWindow.h"

#include "core/common/DataFiles.h"
#include "gui/testing/QuestionFrames.h"

#include "core/testing/TestRunRules.h"
#include "gui/common/SkinButton.h"
#include "gui/common/SkinSet.h"
#include "gui/shell/AppContext.h"
#include "gui/testing/PauseWindow.h"
#include "gui/testing/ResultWindow.h"
#include "gui/testing/TestWindows.h"
#include "platform/SoundEffects.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

namespace {

constexpr int kWidth = 613;  // 9195 twips
constexpr int kHeight = 446; // 6690 twips
const QString kChosenColour = QStringLiteral("#800000");

} // namespace

fullTST::fullTST(AppContext& context)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
    , systemBeep([] { QApplication::beep(); })
    , context_(context)
{
    setObjectName(QStringLiteral("fullTST"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(kWidth, kHeight);

    // Each answer is 500 twips narrower than the window.
    const QuestionFrames frames = QuestionFrames::build(this, kWidth, 22, kWidth - 500 / 15);
    Frame2 = frames.questionFrame;
    QESTION = frames.question;
    Frame3 = frames.answerFrame;
    answers_ = frames.answerGroup;
    OTVET = frames.answers;
    lblTitle1 = new QLabel(Frame2);
    lblTitle1->setObjectName(QStringLiteral("lblTitle1"));
    lblTitle1->setStyleSheet(QStringLiteral("color:#404060;font-style:italic;"));
    lblTitle1->setGeometry(10, 94, kWidth - 36, 18);
    for (int i = 0; i < 5; ++i) {
        OTVET[i]->installEventFilter(this);
        connect(OTVET[i], &QRadioButton::clicked, this, [this, i] { colourAnswers(i + 1); });
    }

    Frame1 = new QGroupBox(QString::fromUtf16(u"B\u044b\u0431\u0435p\u0438 \u0432ep\u043d\u044b\u0439 "
                                              u"o\u0442\u0432e\u0442 \u0438 \u043d\u0430\u0436\u043c\u0438  "
                                              u"\u043a\u043d\u043e\u043f\u043a\u0443 \"\u041e\u041a\""),
                           this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(8, 330, kWidth - 170, 108);
    lblTime = new QLabel(QStringLiteral("0:00"), Frame1);
    lblTime->setObjectName(QStringLiteral("lblTime"));
    lblTime->setStyleSheet(QStringLiteral("font-size:22pt;font-weight:bold;color:#204080;"));
    lblTime->setGeometry(12, 26, 90, 40);
    metka1 = new QLabel(QStringLiteral("или у Вас просто кончится время для ответа на вопрос"), Frame1);
    metka1->setObjectName(QStringLiteral("Метка1"));
    metka1->setWordWrap(true);
    metka1->setGeometry(108, 24, Frame1->width() - 118, 44);
    btnPAUSE = new SkinButton(context_.state.skinFolder, QStringLiteral("voportest"), QStringLiteral("pause"),
                              QStringLiteral("Пауза"), Frame1);
    btnPAUSE->setObjectName(QStringLiteral("btnPAUSE"));
    btnPAUSE->showNormalBitmap();
    btnPAUSE->move(12, 104 - btnPAUSE->height());
    connect(btnPAUSE, &SkinButton::clicked, this, &fullTST::askForPause);

    OKKEY = new SkinButton(context_.state.skinFolder, QStringLiteral("voportest"), QStringLiteral("ok"),
                           QStringLiteral("Ответить"), this);
    OKKEY->setObjectName(QStringLiteral("OKKEY"));
    OKKEY->showNormalBitmap();
    OKKEY->move(kWidth - OKKEY->width() - 14, 330 + (108 - OKKEY->height()) / 2 + 4);
    connect(OKKEY, &SkinButton::clicked, this, &fullTST::giveAnswer);

    auto* skins = new SkinSet(this);
    skins->add(OKKEY);
    skins->add(btnPAUSE);

    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(1000);
    connect(Timer2, &QTimer::timeout, this, &fullTST::countdownTick);
}

void fullTST::start()
{
    readAnswerTimeSetting();
    lblTime->setText(countdown_.resetText());
    Timer2->stop();
    selectAnswer(1);
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    NEWQESTION();
}

void fullTST::readAnswerTimeSetting()
{
    const AnswerTimeSetting setting =
        ::readAnswerTimeSetting(context_.data().file(datafiles::answerTime()));
    countdown_.start(setting);
    if (setting.fileEmpty)
        return; // the countdown keeps its visibility
    lblTime->setVisible(!countdown_.unlimited());
    metka1->setVisible(!countdown_.unlimited());
}

void fullTST::NEWQESTION()
{
    TestingState& testing = context_.state.testing;
    TestRun& run = testing.run;
    readAnswerTimeSetting();
    if (testrun::pauseDue(run))
        takePause();
    if (run.pausesTaken == 3)
        run.pausesTaken = 4;
    if (run.pausesTaken < 3)
        btnPAUSE->setEnabled(true);

    Timer2->stop();
    lblTime->setText(countdown_.startText());
    Timer2->start();

    const Question& question = testrun::nextQuestion(testing);
    QESTION->setText(question.text);
    for (int i = 0; i < 5; ++i)
        testwindows::showAnswer(OTVET[i], question.answers[i]);
    currentPicture_ = question.picture;
    if (!currentPicture_.isEmpty()) {
        run.pictureName = currentPicture_;
        testwindows::openPicture(context_, this);
    }
    lblTitle1->setText(QStringLiteral(" Тема: ") + question.topic);
    Frame2->setTitle(testrun::questionFrameCaption(run.questionNumber, testing.bank.count()));
    setWindowTitle(testrun::questionWindowCaption(run.questionNumber));
    testwindows::writeLiveTestState(context_);
}

void fullTST::takePause()
{
    hide();
    Timer2->stop();
    frmPAUSE pause(context_);
    context_.runModal(pause);
    show();
    Timer2->start();
}

void fullTST::countdownTick()
{
    ++context_.state.testing.run.elapsedSeconds;
    const Countdown::Tick tick = countdown_.tick();
    const bool shown = tick != Countdown::Tick::Hidden;
    lblTime->setVisible(shown);
    metka1->setVisible(shown);
    switch (tick) {
    case Countdown::Tick::Hidden:
        return;
    case Countdown::Tick::Warning:
        lblTime->setText(countdown_.display());
        context_.sounds.play(Effect::Tick);
        return;
    case Countdown::Tick::Shown:
        lblTime->setText(countdown_.display());
        return;
    case Countdown::Tick::TimeOut:
        lblTime->setText(QStringLiteral("0:00"));
        systemBeep();
        Timer2->stop();
        giveAnswer();
        return;
    }
}

int fullTST::selectedAnswer() const
{
    return answers_->checkedId();
}

void fullTST::selectAnswer(int number)
{
    OTVET[number - 1]->setChecked(true);
    colourAnswers(number);
}

void fullTST::colourAnswers(int chosen)
{
    for (int i = 0; i < 5; ++i)
        OTVET[i]->setStyleSheet(i + 1 == chosen ? QStringLiteral("color:%1;").arg(kChosenColour) : QString());
}

void fullTST::giveAnswer()
{
    if (over_)
        return;
    TestingState& testing = context_.state.testing;
    context_.sounds.play(Effect::Click);
    if (testing.run.pictureViewerOpen)
        testwindows::closePicture(context_);
    const bool last = testrun::recordAnswer(testing, selectedAnswer());
    testwindows::writeAnswerLog(context_);
    if (last) {
        ENDTEST();
        return;
    }
    selectAnswer(1);
    NEWQESTION();
}

void fullTST::ENDTEST()
{
    TestRun& run = context_.state.testing.run;
    testrun::finish(run);
    over_ = true;
    hide();
    Timer2->stop();
    testwindows::writeLiveTestState(context_);
    testwindows::writeAnswerLog(context_);
    auto* result = new frmFULLtestEND(context_);
    context_.windows.insert(QStringLiteral("frmFULLtestEND"), result);
    result->open();
}

void fullTST::askForPause()
{
    TestRun& run = context_.state.testing.run;
    ++run.pausesTaken;
    setWindowTitle(QStringLiteral("Пауза будет активирована после ответа на вопрос"));
    btnPAUSE->setEnabled(false);
    run.pausePending = true;
}

void fullTST::dismiss()
{
    over_ = true;
    Timer2->stop();
    close();
}

void fullTST::closeEvent(QCloseEvent* event)
{
    Timer2->stop();
    if (!over_) {
        over_ = true;
        if (context_.state.testing.run.pictureViewerOpen)
            testwindows::closePicture(context_);
        emit abandoned();
    }
    event->accept();
}

bool fullTST::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (QRadioButton* answer : OTVET) {
            if (watched == answer) {
                selectAnswer(answers_->id(answer));
                giveAnswer();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}
