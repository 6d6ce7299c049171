#pragma once
// The picture of a paper page behind an editor page's boxes. It is decoded when the page first
// shows, not when the editor is made (most editors of a run are never opened, and a decoded page
// is a megabyte or more), kept in the format it decodes to (8-bit grey for a grey page), and let
// go by ReleasePicture until the page shows again.

#include <QImage>
#include <QLabel>
#include <functional>

class PagePictureLabel : public QLabel {
public:
    // `load` decodes the picture; `size` is its size, known before it is decoded.
    PagePictureLabel(std::function<QImage()> load, QSize size, QWidget* parent);

    bool HasPicture() const { return loaded_; }
    // Drops the decoded picture unless it is on screen.
    void ReleasePicture();

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::function<QImage()> load_;
    bool loaded_ = false;
};
