#pragma once

#include <QWidget>

class AppContext;
class QLabel;
class SkinButton;

// The mark of the finished run with its word, comment, percent and time, and
// the way into the review of errors when that is allowed.
class frmFULLtestEND : public QWidget {
    Q_OBJECT
public:
    explicit frmFULLtestEND(AppContext& context);

    // Fills the window from the finished run and shows it.
    void open();

    QLabel* LABEL1;
    QLabel* Label4;
    QLabel* pecent_LAB;
    QLabel* LABEL2;
    QLabel* LABEL5;
    QLabel* LABEL3;
    SkinButton* cmdEXIT;
    SkinButton* wrong;

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void leave(bool byButton);
    void openErrorReview();
    bool errorReviewAllowed() const;

    AppContext& context_;
    QLabel* title_;
    bool leaving_ = false;
};
