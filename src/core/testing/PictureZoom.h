#pragma once

#include <QString>

// The zoom rule of the picture viewer, in twips: the picture at a percentage
// of its own size, the window fitted around it, two buttons below it.
class PictureZoom {
public:
    static constexpr int kStartPercent = 50;
    static constexpr int kFloorPercent = 30;

    PictureZoom(int naturalWidth, int naturalHeight);

    int percent() const { return percent_; }
    bool canZoomOut() const { return zoomOutEnabled_; }
    bool canZoomIn() const { return zoomInEnabled_; }
    bool stepped() const { return stepped_; } // any zoom step since opening

    void zoomOut();
    void zoomIn();
    void toggle(); // double click: 100 <-> 30

    struct Layout {
        int pictureWidth;
        int pictureHeight;
        int clientWidth;  // the window without its frame
        int clientHeight;
        int buttonTop;
        int buttonWidth;
        int buttonHeight;
        int zoomInLeft;
        QString zoomOutCaption;
        QString zoomInCaption;
    };
    Layout layout() const;

private:
    int naturalWidth_;
    int naturalHeight_;
    int percent_ = kStartPercent;
    bool zoomOutEnabled_ = true;
    bool zoomInEnabled_ = true;
    bool stepped_ = false;
};

// The caption moves one character to the left per step, round and round.
QString scrollCaption(const QString& caption);

QString pictureCaptionText();
