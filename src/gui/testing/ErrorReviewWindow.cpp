#include "gui/testing/ErrorReviewWindow.h"

#include "core/common/DataFiles.h"
#include "gui/testing/QuestionFrames.h"

#include "core/testing/AnswerLog.h"
#include "gui/common/SkinButton.h"
#include "gui/common/SkinSet.h"
#include "gui/shell/AppContext.h"
#include "gui/testing/TestWindows.h"
#include "platform/SoundEffects.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>

namespace {

constexpr int kWidth = 665;  // 9975 twips
constexpr int kHeight = 436; // 6540 twips
const QString kChosenColour = QStringLiteral("#800000");
const QString kRightColour = QStringLiteral("#008000");

// 1..5 from an answer number text; 0 when it names no answer.
int answerNumber(const QString& text)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    return ok && number >= 1 && number <= 5 ? number : 0;
}

} // namespace

frmWRONG::frmWRONG(AppContext& context, QWidget* resultWindow)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
    , context_(context)
    , resultWindow_(resultWindow)
{
    setObjectName(QStringLiteral("frmWRONG"));
    setWindowTitle(QStringLiteral("Просмотр ошибок в тесте"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(kWidth, kHeight);

    const QuestionFrames frames = QuestionFrames::build(this, kWidth, 42, kWidth - 50);
    Frame2 = frames.questionFrame;
    QESTION = frames.question;
    Frame3 = frames.answerFrame;
    answers_ = frames.answerGroup;
    OTVET = frames.answers;
    lbTema = new QLabel(Frame2);
    lbTema->setObjectName(QStringLiteral("lbTema"));
    lbTema->setStyleSheet(QStringLiteral("color:#404060;font-style:italic;"));
    lbTema->setGeometry(10, 22, kWidth - 36, 18);

    metka1 = new QLabel(QStringLiteral("Красным цветом выделен данный вами ответ, зеленым - верный."), this);
    metka1->setObjectName(QStringLiteral("Метка1"));
    metka1->setGeometry(12, 330, kWidth - 24, 22);

    auto* skins = new SkinSet(this);
    const auto addButton = [&](const QString& objectName, const QString& bitmap, const QString& caption) {
        auto* button = new SkinButton(context_.state.skinFolder, QStringLiteral("Testend"), bitmap, caption, this);
        button->setObjectName(objectName);
        skins->add(button);
        button->showNormalBitmap();
        return button;
    };
    btnPREV = addButton(QStringLiteral("btnPREV"), QStringLiteral("prev"), QStringLiteral("Назад"));
    btnNEXT = addButton(QStringLiteral("btnNEXT"), QStringLiteral("next"), QStringLiteral("Далее"));
    btnRIS = addButton(QStringLiteral("btnRIS"), QStringLiteral("ris"), QStringLiteral("Рисунок"));
    picEXit = addButton(QStringLiteral("picEXit"), QStringLiteral("return"), QStringLiteral("Вернуться"));
    const int top = kHeight - btnPREV->height() - 18;
    btnPREV->move(12, top);
    btnNEXT->move(btnPREV->x() + btnPREV->width() + 10, top);
    btnRIS->move(btnNEXT->x() + btnNEXT->width() + 10, top);
    picEXit->move(kWidth - picEXit->width() - 12, top);

    connect(btnNEXT, &SkinButton::clicked, this, [this] { page(+1); });
    connect(btnPREV, &SkinButton::clicked, this, [this] { page(-1); });
    connect(btnRIS, &SkinButton::clicked, this, &frmWRONG::showPicture);
    connect(picEXit, &SkinButton::clicked, this, [this] {
        context_.sounds.play(Effect::Click);
        close();
    });

    AnswerLog& log = context_.state.testing.answerLog;
    readAnswerLog(context_.data().file(datafiles::answerLog()), log);
    errorCount_ = log.keepOnlyErrors();
    errorNumber_ = 1;
    showError();

    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void frmWRONG::showError()
{
    const AnswerLog& log = context_.state.testing.answerLog;
    const AnswerEntry& entry = log.entry(errorNumber_);
    btnPREV->setVisible(errorNumber_ != 1);
    btnNEXT->setVisible(errorNumber_ < AnswerLog::kEntries && !log.entry(errorNumber_ + 1).vop.isEmpty());
    Frame2->setTitle(QStringLiteral("Ошибка № ") + QString::number(errorNumber_));
    lbTema->setText(QStringLiteral("Тема: ") + entry.tema);
    QESTION->setText(entry.vop);
    for (int i = 0; i < 5; ++i)
        testwindows::showAnswer(OTVET[i], entry.otv[i]);

    const int chosen = answerNumber(entry.otvUser);
    const int right = answerNumber(entry.otvVer);
    answers_->setExclusive(false);
    for (int i = 0; i < 5; ++i)
        OTVET[i]->setChecked(i + 1 == chosen);
    answers_->setExclusive(true);
    for (int i = 0; i < 5; ++i) {
        const QString colour = i + 1 == right ? kRightColour : i + 1 == chosen ? kChosenColour : QString();
        OTVET[i]->setStyleSheet(colour.isEmpty() ? QString() : QStringLiteral("color:%1;").arg(colour));
    }
    btnRIS->setVisible(!entry.ris.isEmpty());
}

void frmWRONG::page(int step)
{
    context_.sounds.play(Effect::Click);
    testwindows::closePicture(context_);
    errorNumber_ = qBound(1, errorNumber_ + step, AnswerLog::kEntries);
    showError();
}

void frmWRONG::showPicture()
{
    context_.sounds.play(Effect::Click);
    context_.state.testing.run.pictureName = context_.state.testing.answerLog.entry(errorNumber_).ris;
    testwindows::openPicture(context_, this);
}

void frmWRONG::closeEvent(QCloseEvent* event)
{
    testwindows::closePicture(context_);
    if (resultWindow_)
        resultWindow_->show();
    event->accept();
}
