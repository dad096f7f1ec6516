#pragma once

#include <QPointer>
#include <QWidget>

class AppContext;
class CourseBrowser;
class SkinButton;

// The help window: one document, chosen by the program state's flags when
// it loads: the network help for the network console, the results history
// copy for the results report, the program's help otherwise. Closing it
// returns to the window that opened it.
class frmHELP : public QWidget {
    Q_OBJECT
public:
    // `opener` is the console or the results report; the main menu is known
    // to the context.
    frmHELP(AppContext& context, QWidget* opener);

    CourseBrowser* WebBrowser2;
    SkinButton* Комманда1;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void layOut(bool atLoad);

    AppContext& context_;
    QPointer<QWidget> opener_;
};
