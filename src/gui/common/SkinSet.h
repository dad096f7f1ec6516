#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QLabel;
class SkinButton;
class QWidget;

// The pointer rule of one window's picture buttons: the button under the
// pointer is lit and its hint shown, every other one is dark; over the
// background (or a plain area the window names) all are dark and the status
// line shows the window's neutral text.
class SkinSet : public QObject {
    Q_OBJECT
public:
    SkinSet(QWidget* window, QLabel* statusLine = nullptr, QString neutralText = {});

    void add(SkinButton* button);
    void addPlainArea(QWidget* area);
    void setNeutralText(const QString& text) { neutralText_ = text; }

    void showAllNormal();   // darkens every button, status untouched
    void resetToNeutral();  // darkens every button, neutral status text

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void light(SkinButton* button);

    QWidget* window_;
    QPointer<QLabel> statusLine_;
    QString neutralText_;
    QList<SkinButton*> buttons_;
    QList<QWidget*> plainAreas_;
};
