#include "gui/testing/PauseWindow.h"

#include "core/testing/TestRunRules.h"
#include "gui/common/Backdrop.h"
#include "gui/common/SkinButton.h"
#include "gui/common/SkinSet.h"
#include "gui/common/WindowDrag.h"
#include "gui/shell/AppContext.h"
#include "platform/SoundEffects.h"

#include <QLabel>
#include <QPainter>

namespace {

constexpr int kWidth = 420;
constexpr int kHeight = 250;

QLabel* addText(QWidget* parent, const QString& objectName, const QString& text, const QString& style, int top,
                int height)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setStyleSheet(style);
    label->setGeometry(20, top, kWidth - 40, height);
    return label;
}

} // namespace

frmPAUSE::frmPAUSE(AppContext& context)
    : QDialog(nullptr, Qt::FramelessWindowHint | Qt::Dialog)
    , context_(context)
{
    setObjectName(QStringLiteral("frmPAUSE"));
    setWindowTitle(QStringLiteral("Передышка"));
    setFixedSize(kWidth, kHeight);
    setModal(true);

    TestRun& run = context_.state.testing.run;
    metka1 = addText(this, QStringLiteral("Метка1"), QStringLiteral("Вы взяли тайм-аут"),
                     QStringLiteral("color:#ffd54a;font-size:16pt;font-weight:bold;"), 22, 40);
    metka2 = addText(this, QStringLiteral("Метка2"), testrun::pausesLeftText(run.pausesTaken),
                     QStringLiteral("color:#e8eef8;font-size:12pt;"), 72, 34);
    metka3 = addText(this, QStringLiteral("Метка3"), QStringLiteral("Как сделаете свои дела жмите на кнопку"),
                     QStringLiteral("color:#e8eef8;font-size:11pt;"), 116, 50);

    komanda1 = new SkinButton(context_.state.skinFolder, QStringLiteral("pause"), QStringLiteral("return"),
                              QStringLiteral("Продолжить"), this);
    komanda1->setObjectName(QStringLiteral("Комманда1"));
    auto* skins = new SkinSet(this);
    skins->add(komanda1);
    skins->addPlainArea(metka3);
    komanda1->showNormalBitmap();
    komanda1->move((kWidth - komanda1->width()) / 2, kHeight - komanda1->height() - 18);
    connect(komanda1, &SkinButton::clicked, this, &QDialog::accept);
    new WindowDrag(this);

    run.pausePending = false;
    context_.sounds.play(Effect::Pause);
}

void frmPAUSE::done(int result)
{
    hide();
    context_.sounds.play(Effect::Click); // ends the looping pause sound
    QDialog::done(result);
}

void frmPAUSE::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    backdrop::paint(painter, rect());
}
