#include "gui/users/IdReader.h"

#include "core/common/DataFiles.h"
#include "core/users/Registration.h"
#include "core/users/RememberedLogin.h"
#include "core/users/SignIn.h"
#include "core/users/UserBase.h"
#include "gui/common/Backdrop.h"
#include "gui/common/PictureButton.h"
#include "gui/common/SkinButton.h"
#include "gui/common/SkinSet.h"
#include "gui/common/WindowDrag.h"
#include "gui/shell/AppContext.h"
#include "gui/shell/MessageWindows.h"
#include "platform/SoundEffects.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTimer>

namespace {

constexpr int kWidth = 480;
constexpr int kHeight = 340;
constexpr int kTitleBand = 44;

const QString kPrompt = QStringLiteral("Введите свое имя , фамилию и пароль.");
const QString kWrongPassword = QStringLiteral("Пароль не верен");
const QString kRememberHint = QStringLiteral("Поставь здесь галочку, чтобы не вводить каждый раз ФИО и пароль.");
const QString kForgetHint = QStringLiteral("Уберите галочку, чтобы не сохранять ФИО и пароль.");

QString userBasePath(const AppContext& context)
{
    return context.data().file(datafiles::userBase());
}

QString rememberedLoginPath(const AppContext& context)
{
    return context.data().file(datafiles::rememberedLogin());
}

} // namespace

id_reader::id_reader(AppContext& context)
    : QDialog(nullptr, Qt::FramelessWindowHint | Qt::Dialog)
    , context_(context)
{
    setObjectName(QStringLiteral("id_reader"));
    setWindowTitle(QStringLiteral("Идентификация пользователя ."));
    setFixedSize(kWidth, kHeight);
    buildControls();
    load();
}

void id_reader::buildControls()
{
    auto* title = new QLabel(windowTitle(), this);
    title->setObjectName(QStringLiteral("Рисунок1"));
    title->setGeometry(0, 0, kWidth - 60, kTitleBand);
    title->setIndent(16);
    title->setStyleSheet(QStringLiteral("color:#e8eef8;font-size:14pt;font-weight:bold;"));

    auto makeRow = [this](int row, QLabel*& label, QLineEdit*& box, const char* labelName, const char* boxName) {
        label = new QLabel(this);
        label->setObjectName(QString::fromUtf8(labelName));
        label->setGeometry(40, 64 + row * 42, 100, 28);
        label->setStyleSheet(QStringLiteral("color:#e8eef8;font-size:11pt;"));
        box = new QLineEdit(this);
        box->setObjectName(QString::fromUtf8(boxName));
        box->setGeometry(150, 64 + row * 42, 280, 28);
        box->installEventFilter(this);
    };
    makeRow(0, Метка1, Текст1, "Метка1", "Текст1");
    makeRow(1, Метка2, Текст2, "Метка2", "Текст2");
    makeRow(2, Метка3, Текст3, "Метка3", "Текст3");

    Метка4 = new QLabel(this);
    Метка4->setObjectName(QStringLiteral("Метка4"));
    Метка4->setGeometry(24, 192, kWidth - 48, 58);
    Метка4->setAlignment(Qt::AlignCenter);
    Метка4->setWordWrap(true);
    Метка4->setStyleSheet(QStringLiteral("color:#ffd54a;"));

    FIOremember = new QCheckBox(this);
    FIOremember->setObjectName(QStringLiteral("FIOremember"));
    FIOremember->setGeometry(40, 252, 20, 24);
    remem_LAB = new QLabel(kRememberHint.chopped(1), this);
    remem_LAB->setObjectName(QStringLiteral("remem_LAB"));
    remem_LAB->setGeometry(64, 250, kWidth - 100, 30);
    remem_LAB->setWordWrap(true);
    remem_LAB->setStyleSheet(QStringLiteral("color:#c9d6ea;font-size:8pt;"));
    connect(FIOremember, &QCheckBox::clicked, this, [this] {
        context_.sounds.play(Effect::Click);
        saveRememberedLogin();
    });

    skins_ = new SkinSet(this);
    Комманда1 = new SkinButton(context_.state.skinFolder, QStringLiteral("ID"), QStringLiteral("ok"),
                               QStringLiteral("OK"), this);
    Комманда1->setObjectName(QStringLiteral("Комманда1"));
    Комманда2 = new SkinButton(context_.state.skinFolder, QStringLiteral("ID"), QStringLiteral("cancel"),
                               QStringLiteral("Отмена"), this);
    Комманда2->setObjectName(QStringLiteral("Комманда2"));
    for (SkinButton* button : {Комманда1, Комманда2}) {
        skins_->add(button);
        button->showNormalBitmap();
    }
    Комманда1->move(40, kHeight - Комманда1->height() - 16);
    Комманда2->move(kWidth - Комманда2->width() - 40, kHeight - Комманда2->height() - 16);
    connect(Комманда1, &SkinButton::clicked, this, &id_reader::pressOk);
    connect(Комманда2, &SkinButton::clicked, this, &id_reader::cancel);

    const CornerButtons corner = CornerButtons::attach(this);
    connect(corner.minimise, &PictureButton::clicked, this, [this] {
        context_.sounds.play(Effect::Click);
        showMinimized();
    });
    connect(corner.close, &PictureButton::clicked, this, [this] {
        context_.sounds.play(Effect::Close);
        cancel();
    });
    new WindowDrag(this, {Метка4, title});

    id_timer = new QTimer(this);
    id_timer->setObjectName(QStringLiteral("id_timer"));
    id_timer->setInterval(100);
    connect(id_timer, &QTimer::timeout, this, &id_reader::updatePasswordMask);
    id_timer->start();
}

void id_reader::load()
{
    awaitingConfirmation_ = false;
    Метка4->setText(kPrompt);
    Метка1->setText(QStringLiteral("Имя"));
    Метка2->setText(QStringLiteral("Фамилия"));
    Метка3->setText(QStringLiteral("Пароль"));
    clearBoxes();
    applyRememberedLogin();
    if (context_.state.switchingUser) {
        clearBoxes();
        if (context_.mainMenu)
            context_.mainMenu->hide();
    }
    setTabOrder(Текст1, Текст2);
    setTabOrder(Текст2, Текст3);
    Текст1->setFocus();
}

void id_reader::clearBoxes()
{
    Текст1->clear();
    Текст2->clear();
    Текст3->clear();
}

void id_reader::applyRememberedLogin()
{
    const auto login = RememberedLogin::read(rememberedLoginPath(context_));
    if (!login) {
        FIOremember->setChecked(false);
        return;
    }
    if (login->tickLineEmpty) {
        FIOremember->setChecked(false);
        remem_LAB->setText(kRememberHint);
    }
    if (login->ticked) {
        FIOremember->setChecked(true);
        remem_LAB->setText(kForgetHint);
    }
    if (FIOremember->isChecked()) {
        Текст1->setText(login->firstName);
        Текст2->setText(login->surname);
        Текст3->setText(login->password);
        Текст3->setEchoMode(QLineEdit::Password);
        id_timer->stop(); // a remembered password stays masked for good
    }
}

void id_reader::saveRememberedLogin()
{
    RememberedLogin login;
    login.ticked = FIOremember->isChecked();
    login.firstName = Текст1->text();
    login.surname = Текст2->text();
    login.password = Текст3->text();
    login.write(rememberedLoginPath(context_));
    setRememberLabel();
}

void id_reader::setRememberLabel()
{
    remem_LAB->setText(FIOremember->isChecked() ? kForgetHint : kRememberHint);
}

void id_reader::keepRememberedLoginIfTicked()
{
    if (FIOremember->isChecked() && !Текст1->text().isEmpty())
        saveRememberedLogin();
}

void id_reader::closeStep()
{
    keepRememberedLoginIfTicked();
}

void id_reader::updatePasswordMask()
{
    const bool administrator = Текст1->text().trimmed() == QLatin1String("admin") &&
                               Текст2->text().trimmed() == QLatin1String("admin");
    Текст3->setEchoMode(administrator ? QLineEdit::Password : QLineEdit::Normal);
    if (Текст3->text() == kWrongPassword)
        Текст3->setEchoMode(QLineEdit::Normal);
}

void id_reader::pressOk()
{
    typedFirstName_ = Текст1->text().trimmed();
    typedSurname_ = Текст2->text().trimmed();
    typedPassword_ = Текст3->text().trimmed();
    if (awaitingConfirmation_ && typedFirstName_ == pendingFirstName_ && typedSurname_ == pendingSurname_) {
        awaitingConfirmation_ = false;
        Метка4->setText(kPrompt);
        registerNewUser();
    } else if (typedFirstName_.isEmpty() || typedSurname_.isEmpty()) {
        Метка4->setText(QStringLiteral("Необходимо ввести имя и фамилию!"));
    } else if (!typedPassword_.isEmpty()) {
        lookUp();
    } else {
        Метка4->setText(QStringLiteral("Введите пароль (не применяйте для пароля пробел)!"));
    }
    context_.sounds.play(Effect::Click);
}

void id_reader::lookUp()
{
    UserBase base;
    if (!base.load(userBasePath(context_))) {
        Метка4->setText(QStringLiteral("Не удалось прочитать базу пользователей."));
        return;
    }
    const LookupOutcome outcome = findUser(base, typedFirstName_, typedSurname_, typedPassword_);
    switch (outcome.kind) {
    case LookupOutcome::Kind::SignedIn:
        completeSignIn(base.record(outcome.record));
        break;
    case LookupOutcome::Kind::WrongPassword:
        Текст3->setText(kWrongPassword);
        break;
    case LookupOutcome::Kind::NotFound:
        firstEmptyRecord_ = outcome.firstEmptyRecord;
        Метка4->setText(QStringLiteral(
            "Вас   нет    в    списке    пользователей.   Если  вы  не пользовались программой раньше то вновь "
            "нажмите кнопку 'ок', если вы уже пользовались програмой то проверьте правильность введенных данных."));
        pendingFirstName_ = typedFirstName_;
        pendingSurname_ = typedSurname_;
        awaitingConfirmation_ = true;
        break;
    }
}

void id_reader::completeSignIn(const UserRecord& record)
{
    signIn(context_.state, record);
    if (context_.state.switchingUser)
        context_.showMainMenu(); // the menu applies the administrator rule as it shows
    hide();
}

void id_reader::registerNewUser()
{
    const Registration registration =
        registerUser(userBasePath(context_), context_.data().file(datafiles::newUserCopy()), typedFirstName_,
                     typedSurname_, typedPassword_);
    if (registration.outcome != Registration::Outcome::Registered) {
        Метка4->setText(registration.failureText);
        return;
    }
    completeSignIn(registration.record);
}

void id_reader::cancel()
{
    context_.sounds.play(Effect::Cancel);
    if (!context_.state.switchingUser) {
        cancelledAtStartUp_ = true;
        done(QDialog::Rejected);
        return;
    }
    context_.showMainMenu();
    hide();
}

void id_reader::reject()
{
    // Escape is not a way out of this window; only its buttons are.
}

bool id_reader::eventFilter(QObject* watched, QEvent* event)
{
    const bool box = watched == Текст1 || watched == Текст2 || watched == Текст3;
    if (box && event->type() == QEvent::KeyPress) {
        context_.sounds.play(Effect::Key);
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == Текст1)
                Текст2->setFocus();
            else if (watched == Текст2)
                Текст3->setFocus();
            else
                pressOk();
            return true;
        }
    }
    if (watched == Текст3 && event->type() == QEvent::FocusOut && isVisible() &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason)
        Текст1->setFocus();
    return QDialog::eventFilter(watched, event);
}

void id_reader::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && context_.state.switchingUser &&
        context_.mainMenu)
        context_.mainMenu->hide();
    QDialog::changeEvent(event);
}

void id_reader::hideEvent(QHideEvent* event)
{
    // Hiding hands the program over to the main menu: what the deactivation
    // does, made independent of the window manager's focus handling.
    if (!cancelledAtStartUp_)
        keepRememberedLoginIfTicked();
    QDialog::hideEvent(event);
}

void id_reader::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    backdrop::paint(painter, rect(), kTitleBand);
}
