#pragma once

#include "core/testing/PictureZoom.h"

#include <QWidget>

#include <memory>

class AppContext;
class QLabel;
class QPushButton;
class QTimer;

// The picture of a test question in a small window of its own, zoomable in
// steps of ten percent, with a caption that runs round.
class PICview : public QWidget {
    Q_OBJECT
public:
    explicit PICview(AppContext& context);
    ~PICview() override;

    // Loads the picture named by the run's pictureName and shows the window
    // beside `owner`.
    void open(QWidget* owner);

    QLabel* Image1;
    QPushButton* comm1;
    QPushButton* comm2;
    QTimer* timer;

    int zoomPercent() const { return zoom_ ? zoom_->percent() : 0; }
    const QString& captionText() const { return captionText_; }

public slots:
    void zoomOut();
    void zoomIn();
    void toggleZoom();
    void scrollCaption();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPixmap loadPicture() const;
    void layOut();

    AppContext& context_;
    QString pictureName_;
    std::unique_ptr<PictureZoom> zoom_;
    QString captionText_;
};
