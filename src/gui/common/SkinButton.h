#pragma once

#include <QLabel>

// A picture used as a button: a normal bitmap and a "_move" bitmap shown while
// the pointer is over it, both read from the skin folder's area when needed.
// A missing bitmap draws a plain text button instead of failing.
class SkinButton : public QLabel {
    Q_OBJECT
public:
    // `area` is the skin sub-folder ("main", "ID", ...); `name` the bitmap's
    // base name ("read" for read.bmp and read_move.bmp); `caption` is drawn
    // when the bitmap is missing.
    SkinButton(const QString& skinFolder, const QString& area, const QString& name, const QString& caption,
               QWidget* parent = nullptr);

    void setHint(const QString& hint) { hint_ = hint; }
    const QString& hint() const { return hint_; }

    void showNormalBitmap();
    void showHoverBitmap();
    bool isLit() const { return lit_; }

signals:
    void clicked();
    void pointerMoved();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void showBitmap(const QString& fileName);

    QString folder_;
    QString name_;
    QString caption_;
    QString hint_;
    bool lit_ = false;
    bool pressed_ = false;
};
