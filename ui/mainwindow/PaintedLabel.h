#pragma once
// A label whose picture is painted at the label's size each time it paints, instead of a pixmap
// kept for the whole run (the main window's background, the about box's picture).

#include <QLabel>
#include <functional>

class PaintedLabel final : public QLabel {
public:
    using Paint = std::function<void(QPainter& painter, const QRect& area)>;
    PaintedLabel(Paint paint, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Paint paint_;
};
