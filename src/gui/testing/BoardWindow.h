#pragma once

#include <QWidget>

class AppContext;
class QLabel;
class QListWidget;
class QTimer;
class SkinButton;

// The signed-in user's marks for the 14 tests of the course.
class frmDOSTIG : public QWidget {
    Q_OBJECT
public:
    explicit frmDOSTIG(AppContext& context);

    QLabel* metka2;
    QListWidget* SpiS1;
    QListWidget* SpiS2;
    SkinButton* comEXIT;
    QTimer* TIMer;

public slots:
    // One second after opening the board's tune starts, looping.
    void startTune();

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void leave();

    AppContext& context_;
};
