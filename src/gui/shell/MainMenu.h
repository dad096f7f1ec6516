#pragma once

#include <QString>
#include <QWidget>

class AppContext;
class QCheckBox;
class QLabel;
class SkinButton;
class SkinSet;

// The main menu: the hub that opens every mode of the program.
class frmMain : public QWidget {
    Q_OBJECT
public:
    explicit frmMain(AppContext& context);

    // What the load step could not do without: the file and what it is for.
    // Empty when the menu is ready to be shown.
    const QString& loadFailure() const { return loadFailure_; }

    // Shows btnBOSS exactly to the administrator.
    void applyAdministratorRule();

    SkinButton* btREAD;
    SkinButton* btTESTS;
    SkinButton* btZAL;
    SkinButton* btnBOSS;
    SkinButton* btNEW;
    SkinButton* btHELP;
    SkinButton* btEXIT;
    QLabel* p_BOX;
    QLabel* PICTURE1;
    QLabel* sbStatusBar;
    QCheckBox* SOUNDchek;
    QLabel* aboUT;

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void load();
    SkinButton* addColumnButton(const QString& objectName, const QString& bitmap, const QString& caption,
                                const QString& hint);
    void openMode(QWidget* (*opener)(AppContext&));
    void switchUser();
    void exitProgram();

    AppContext& context_;
    SkinSet* skins_;
    QString loadFailure_;
};
