#pragma once

#include <QPointer>
#include <QWidget>

#include <array>

class AppContext;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QRadioButton;
class SkinButton;

// Pages through the wrongly answered questions of the run just finished:
// the chosen answer in red, the right one in green.
class frmWRONG : public QWidget {
    Q_OBJECT
public:
    // `resultWindow` comes back when the review closes.
    frmWRONG(AppContext& context, QWidget* resultWindow);

    int errorNumber() const { return errorNumber_; }
    int errorCount() const { return errorCount_; }

    QGroupBox* Frame2;
    QLabel* lbTema;
    QLabel* QESTION;
    QGroupBox* Frame3;
    std::array<QRadioButton*, 5> OTVET;
    QLabel* metka1;
    SkinButton* btnPREV;
    SkinButton* btnNEXT;
    SkinButton* btnRIS;
    SkinButton* picEXit;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void showError();
    void page(int step);
    void showPicture();

    AppContext& context_;
    QPointer<QWidget> resultWindow_;
    QButtonGroup* answers_;
    int errorNumber_ = 1;
    int errorCount_ = 0;
};
