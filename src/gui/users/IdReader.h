#pragma once

#include <QDialog>

class AppContext;
class QCheckBox;
class QLabel;
class QLineEdit;
class QTimer;
class SkinButton;
class SkinSet;
struct UserRecord;

// The identification window: signs a user in, or registers him at the second
// press of OK with the same names. Shown modally at start-up and without
// waiting when the main menu switches user.
class id_reader : public QDialog {
    Q_OBJECT
public:
    explicit id_reader(AppContext& context);

    // Empties the three boxes (the main menu does so before switching user).
    void clearBoxes();

    // The closing step start-up runs: keeps the remembered identity.
    void closeStep();

    // The 100 ms password mask tick.
    void updatePasswordMask();

    bool cancelledAtStartUp() const { return cancelledAtStartUp_; }

    QLabel* Метка1;
    QLabel* Метка2;
    QLabel* Метка3;
    QLabel* Метка4;
    QLineEdit* Текст1;
    QLineEdit* Текст2;
    QLineEdit* Текст3;
    QCheckBox* FIOremember;
    QLabel* remem_LAB;
    SkinButton* Комманда1;
    SkinButton* Комманда2;
    QTimer* id_timer;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void reject() override;

private:
    void buildControls();
    void load();
    void applyRememberedLogin();
    void saveRememberedLogin();
    void keepRememberedLoginIfTicked();
    void pressOk();
    void lookUp();
    void registerNewUser();
    void completeSignIn(const UserRecord& record);
    void cancel();
    void setRememberLabel();

    AppContext& context_;
    SkinSet* skins_;

    QString typedFirstName_;
    QString typedSurname_;
    QString typedPassword_;
    QString pendingFirstName_;
    QString pendingSurname_;
    bool awaitingConfirmation_ = false;
    int firstEmptyRecord_ = 0;
    bool cancelledAtStartUp_ = false;
};
