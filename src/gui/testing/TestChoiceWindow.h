#pragma once

#include <QComboBox>
#include <QWidget>

class AppContext;
class QLabel;
class SkinButton;

// A drop-down list that says when it is being opened.
class TitleList : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;
    void showPopup() override;

signals:
    void opening();
};

// The choice of a test from the catalogue, with its description; stays
// loaded (hidden) while a test runs, so the choice is kept.
class frmTestCh : public QWidget {
    Q_OBJECT
public:
    explicit frmTestCh(AppContext& context);

    TitleList* coMBO1;
    QLabel* metDESCRIBE;
    QLabel* sbSTATUSBAR;
    SkinButton* btnOK;
    SkinButton* btnEXIT;

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void choose(int index);
    void startTest();
    void leave();

    AppContext& context_;
};
