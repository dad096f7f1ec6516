#pragma once

#include <QWidget>

class AppContext;
class QLabel;
class SkinButton;
struct BankLoad;

// The introduction of a test: its name and description, then the start of
// the run; comes back as "not finished" when the runner is closed early.
class frmFullTest : public QWidget {
    Q_OBJECT
public:
    explicit frmFullTest(AppContext& context);

    // Starts a run of the chosen bank: counters reset, answer log emptied,
    // bank loaded and shuffled. A bank that cannot be used says why.
    BankLoad prepare();

    QLabel* LAB11;
    QLabel* LABEL1;
    QLabel* LABEL2;
    SkinButton* cmdSTART;
    SkinButton* cmdEXIT;
    SkinButton* cmdRETurn;

    bool testStarted() const { return testStarted_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void startRun();
    void showNotFinished();
    void recordAbandoned();
    void returnAfterAbandon();
    void exitWithoutTesting();

    AppContext& context_;
    bool testStarted_ = false;
};
