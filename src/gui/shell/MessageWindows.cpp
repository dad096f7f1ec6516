#include "gui/shell/MessageWindows.h"

#include "gui/common/Backdrop.h"
#include "gui/common/SkinButton.h"
#include "gui/common/SkinSet.h"
#include "gui/common/WindowDrag.h"
#include "gui/shell/AppContext.h"
#include "platform/SoundEffects.h"

#include <QLabel>
#include <QPainter>
#include <QStyle>

namespace {

constexpr int kWidth = 420;
constexpr int kHeight = 230;
constexpr int kTitleBand = 28;

} // namespace

MessageWindow::MessageWindow(AppContext& context, const QString& objectName, const QString& title)
    : QDialog(nullptr, Qt::FramelessWindowHint | Qt::Dialog)
    , context_(context)
    , skins_(new SkinSet(this))
{
    setObjectName(objectName);
    setWindowTitle(title);
    setFixedSize(kWidth, kHeight);
    setModal(true);
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(20, 20));
    icon->move(6, 4);
    auto* titleLabel = new QLabel(title, this);
    titleLabel->setObjectName(QStringLiteral("labTitle"));
    titleLabel->setStyleSheet(QStringLiteral("color:#e8eef8;font-weight:bold;"));
    titleLabel->setGeometry(30, 0, kWidth - 36, kTitleBand);
    titleLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    new WindowDrag(this);
}

void MessageWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    backdrop::paint(painter, rect(), kTitleBand);
}

frmINFO::frmINFO(AppContext& context)
    : MessageWindow(context, QStringLiteral("frmINFO"), QStringLiteral("                                         Внимание!"))
{
    lab_info = new QLabel(this);
    lab_info->setObjectName(QStringLiteral("lab_info"));
    lab_info->setAlignment(Qt::AlignCenter);
    lab_info->setWordWrap(true);
    lab_info->setStyleSheet(QStringLiteral("color:#ffd54a;font-size:13pt;"));
    lab_info->setGeometry(20, 40, kWidth - 40, 120);
    skins_->addPlainArea(lab_info);

    cmd_EXIT = new SkinButton(context.state.skinFolder, QStringLiteral("Testend"), QStringLiteral("return"),
                              QStringLiteral("Вернуться"), this);
    cmd_EXIT->setObjectName(QStringLiteral("cmd_EXIT"));
    skins_->add(cmd_EXIT);
    // Until the pointer first moves over the window the button shows its
    // normal bitmap as its own starting picture.
    cmd_EXIT->showNormalBitmap();
    cmd_EXIT->move((kWidth - cmd_EXIT->width()) / 2, kHeight - cmd_EXIT->height() - 14);
    connect(cmd_EXIT, &SkinButton::clicked, this, &QDialog::accept);
}

frmSURE::frmSURE(AppContext& context)
    : MessageWindow(context, QStringLiteral("frmSURE"),
                    QStringLiteral("                      У нас к вам вопросик появился..."))
{
    m1 = new QLabel(QStringLiteral("Эта команда удалит всех пользователей , кроме администратора."), this);
    m1->setObjectName(QStringLiteral("m1"));
    m1->setAlignment(Qt::AlignCenter);
    m1->setWordWrap(true);
    m1->setStyleSheet(QStringLiteral("color:#e8eef8;font-size:15pt;font-style:italic;"));
    m1->setGeometry(20, 40, kWidth - 40, 120);
    skins_->addPlainArea(m1);
    new WindowDrag(this, {m1});

    cmd1 = new SkinButton(context.state.skinFolder, QStringLiteral("SURE"), QStringLiteral("del"),
                          QStringLiteral("Удалить"), this);
    cmd1->setObjectName(QStringLiteral("cmd1"));
    cmd2 = new SkinButton(context.state.skinFolder, QStringLiteral("SURE"), QStringLiteral("cancel"),
                          QStringLiteral("Отмена"), this);
    cmd2->setObjectName(QStringLiteral("cmd2"));
    for (SkinButton* button : {cmd1, cmd2}) {
        skins_->add(button);
        button->showNormalBitmap();
    }
    cmd1->move(40, kHeight - cmd1->height() - 14);
    cmd2->move(kWidth - cmd2->width() - 40, kHeight - cmd2->height() - 14);
    connect(cmd1, &SkinButton::clicked, this, [this] {
        context_.sounds.play(Effect::Delete);
        context_.state.confirmAnswer = true;
        accept();
    });
    connect(cmd2, &SkinButton::clicked, this, [this] {
        context_.sounds.play(Effect::Cancel);
        context_.state.confirmAnswer = false;
        done(QDialog::Rejected);
    });
}

void showWarning(AppContext& context, const QString& message)
{
    frmINFO window(context);
    window.lab_info->setText(message);
    context.runModal(window);
}

bool askConfirmation(AppContext& context, const QString& question)
{
    context.state.confirmAnswer = false;
    frmSURE window(context);
    window.m1->setText(question);
    context.runModal(window);
    return context.state.confirmAnswer;
}
