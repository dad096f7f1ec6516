#pragma once

#include <QDialog>

class AppContext;
class QLabel;
class SkinButton;
class SkinSet;

// Shared look of the two small message windows: borderless, fixed size,
// a painted panel with an icon and a title.
class MessageWindow : public QDialog {
    Q_OBJECT
public:
    MessageWindow(AppContext& context, const QString& objectName, const QString& title);

protected:
    void paintEvent(QPaintEvent* event) override;
    void reject() override {} // closed only by its own buttons

    AppContext& context_;
    SkinSet* skins_;
};

// The warning window: a message in yellow and a button that closes it.
class frmINFO : public MessageWindow {
    Q_OBJECT
public:
    explicit frmINFO(AppContext& context);

    QLabel* lab_info;
    SkinButton* cmd_EXIT;
};

// The confirmation window: a question, confirm on the left, decline on the right.
class frmSURE : public MessageWindow {
    Q_OBJECT
public:
    explicit frmSURE(AppContext& context);

    QLabel* m1;
    SkinButton* cmd1;
    SkinButton* cmd2;
};

// Shows `message` in the warning window and returns when it was closed.
void showWarning(AppContext& context, const QString& message);

// Asks `question` in the confirmation window; the answer is also left in
// the program state's confirmAnswer.
bool askConfirmation(AppContext& context, const QString& question);
