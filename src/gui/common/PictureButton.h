#pragma once

#include <QLabel>

// A small clickable picture drawn by the program itself: the minimise and
// close corners of borderless windows.
class PictureButton : public QLabel {
    Q_OBJECT
public:
    enum class Glyph { Minimise, Close };

    PictureButton(Glyph glyph, const QString& objectName, QWidget* parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

// Places btnSVER and btnUNLOAD in the top right corner of `window`.
struct CornerButtons {
    PictureButton* minimise;
    PictureButton* close;

    static CornerButtons attach(QWidget* window);
    void place(QWidget* window) const;
};
