#include "ui/framework/PagePictureLabel.h"

#include <QPixmap>

PagePictureLabel::PagePictureLabel(std::function<QImage()> load, QSize size, QWidget* parent)
    : QLabel(parent), load_(std::move(load))
{
    setGeometry(QRect(QPoint(0, 0), size));
}

void PagePictureLabel::ReleasePicture()
{
    if (!loaded_ || isVisible())
        return;
    setPixmap(QPixmap());
    loaded_ = false;
}

void PagePictureLabel::showEvent(QShowEvent* event)
{
    if (!loaded_ && load_) {
        // No conversion: a grey picture would become four bytes a pixel.
        setPixmap(QPixmap::fromImage(load_(), Qt::NoFormatConversion));
        loaded_ = true;
    }
    QLabel::showEvent(event);
}
