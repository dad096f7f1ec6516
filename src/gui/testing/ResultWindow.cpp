#include "gui/testing/ResultWindow.h"

#include "core/common/DataFiles.h"
#include "core/testing/AnswerLog.h"
#include "core/testing/Grading.h"
#include "gui/common/Backdrop.h"
#include "gui/common/SkinButton.h"
#include "gui/common/SkinSet.h"
#include "gui/common/WindowDrag.h"
#include "gui/shell/AppContext.h"
#include "gui/testing/ErrorReviewWindow.h"
#include "gui/testing/TestWindows.h"
#include "platform/SoundEffects.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QScreen>

namespace {

constexpr int kWidth = 494;  // 7410 twips
constexpr int kHeight = 294; // 4410 twips
constexpr int kTitleBand = 28;

QLabel* addLabel(QWidget* parent, const QString& objectName, const QString& text, const QRect& geometry,
                 const QString& style)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setGeometry(geometry);
    label->setStyleSheet(style);
    return label;
}

} // namespace

frmFULLtestEND::frmFULLtestEND(AppContext& context)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
    , context_(context)
{
    setObjectName(QStringLiteral("frmFULLtestEND"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(kWidth, kHeight);

    title_ = new QLabel(this);
    title_->setObjectName(QStringLiteral("labTitle"));
    title_->setGeometry(14, 0, kWidth - 28, kTitleBand);
    title_->setStyleSheet(QStringLiteral("color:#e8eef8;font-weight:bold;"));
    title_->setAttribute(Qt::WA_TransparentForMouseEvents);

    const QString plain = QStringLiteral("color:#e8eef8;font-size:12pt;");
    LABEL1 = addLabel(this, QStringLiteral("LABEL1"), QStringLiteral("Оценка за тест :"), {24, kTitleBand + 14, 170, 30}, plain);
    // The mark's word sits on a light plate so that every mark colour reads.
    Label4 = addLabel(this, QStringLiteral("Label4"), {}, {196, kTitleBand + 10, 150, 38}, {});
    Label4->setAlignment(Qt::AlignCenter);
    pecent_LAB = addLabel(this, QStringLiteral("pecent_LAB"), {}, {356, kTitleBand + 14, 120, 30}, plain);
    LABEL2 = addLabel(this, QStringLiteral("LABEL2"), QStringLiteral("Вы затратили на тест:"), {24, kTitleBand + 54, 200, 26},
                      plain);
    LABEL5 = addLabel(this, QStringLiteral("LABEL5"), {}, {228, kTitleBand + 54, 200, 26},
                      QStringLiteral("color:#ffd54a;font-size:12pt;"));
    LABEL3 = addLabel(this, QStringLiteral("LABEL3"), {}, {24, kTitleBand + 88, kWidth - 48, 110},
                      QStringLiteral("color:#e8eef8;font-size:10pt;"));
    LABEL3->setWordWrap(true);
    LABEL3->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* skins = new SkinSet(this);
    skins->addPlainArea(LABEL3);
    cmdEXIT = new SkinButton(context_.state.skinFolder, QStringLiteral("Testend"), QStringLiteral("return"),
                             QStringLiteral("Вернуться"), this);
    cmdEXIT->setObjectName(QStringLiteral("cmdEXIT"));
    wrong = new SkinButton(context_.state.skinFolder, QStringLiteral("Testend"), QStringLiteral("error"),
                           QStringLiteral("Мои ошибки"), this);
    wrong->setObjectName(QStringLiteral("wrong"));
    for (SkinButton* button : {cmdEXIT, wrong}) {
        skins->add(button);
        button->showNormalBitmap();
    }
    cmdEXIT->move(kWidth - cmdEXIT->width() - 24, kHeight - cmdEXIT->height() - 18);
    wrong->move(24, kHeight - wrong->height() - 18);
    connect(cmdEXIT, &SkinButton::clicked, this, [this] { leave(true); });
    connect(wrong, &SkinButton::clicked, this, &frmFULLtestEND::openErrorReview);
    new WindowDrag(this);
}

void frmFULLtestEND::open()
{
    TestingState& testing = context_.state.testing;
    const TestRun& run = testing.run;
    wrong->hide();
    testing.answerLog.clear();
    setWindowTitle(QStringLiteral("Тест: ") + run.testName);
    title_->setText(windowTitle());
    pecent_LAB->setText(QStringLiteral("(") + run.percentText + QStringLiteral("%)"));

    const MarkLook look = markLook(run.grade);
    Label4->setText(look.word);
    const QColor colour =
        look.rgb ? QColor::fromRgb(*look.rgb) : QApplication::palette().color(QPalette::ButtonText);
    Label4->setStyleSheet(
        QStringLiteral("background:#f4f1e6;border-radius:4px;font-size:18pt;font-weight:bold;color:%1;")
            .arg(colour.name()));
    LABEL3->setText(look.comment);
    if (look.sound == MarkSound::Laugh)
        context_.sounds.play(Effect::Laugh);
    else if (look.sound == MarkSound::Applause)
        context_.sounds.play(Effect::Applause);
    LABEL5->setText(run.timeSpentText);

    if (readAnswerLog(context_.data().file(datafiles::answerLog()), testing.answerLog))
        wrong->setVisible(testing.answerLog.hasWrongAnswer() && errorReviewAllowed());

    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
}

bool frmFULLtestEND::errorReviewAllowed() const
{
    const int mode = context_.state.showErrorsMode;
    return !(mode == 2 || (mode == 3 && context_.state.testing.run.bankFile == QLatin1String("sv9.jpg")));
}

void frmFULLtestEND::openErrorReview()
{
    auto* review = new frmWRONG(context_, this);
    context_.windows.insert(QStringLiteral("frmWRONG"), review);
    review->show();
    hide();
}

void frmFULLtestEND::leave(bool byButton)
{
    if (leaving_)
        return;
    leaving_ = true;
    testwindows::storeMark(context_);
    if (byButton)
        context_.sounds.play(Effect::Close);
    testwindows::showTestChoice(context_);
    testwindows::closeRun(context_);
    close();
}

void frmFULLtestEND::closeEvent(QCloseEvent* event)
{
    leave(false);
    event->accept();
}

void frmFULLtestEND::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    backdrop::paint(painter, rect(), kTitleBand);
}
