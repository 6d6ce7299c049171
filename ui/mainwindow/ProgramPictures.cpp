#include "ui/mainwindow/ProgramPictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

void drawEmblem(QPainter& p, const QRectF& r)
{
    // A shield with a stylised open book: plain enough to read at 40 pixels.
    const qreal w = r.width(), h = r.height();
    QPainterPath shield;
    shield.moveTo(r.left() + w * 0.1, r.top() + h * 0.08);
    shield.lineTo(r.right() - w * 0.1, r.top() + h * 0.08);
    shield.lineTo(r.right() - w * 0.1, r.top() + h * 0.55);
    shield.quadTo(r.right() - w * 0.1, r.bottom() - h * 0.12, r.center().x(), r.bottom() - h * 0.02);
    shield.quadTo(r.left() + w * 0.1, r.bottom() - h * 0.12, r.left() + w * 0.1, r.top() + h * 0.55);
    shield.closeSubpath();
    p.setPen(QPen(QColor(120, 20, 20), qMax(1.0, w / 30)));
    p.setBrush(QColor(170, 30, 40));
    p.drawPath(shield);
    p.setPen(QPen(QColor(120, 20, 20), qMax(1.0, w / 40)));
    p.setBrush(QColor(255, 240, 200));
    const QPointF c(r.center().x(), r.top() + h * 0.52);
    p.drawPolygon(QPolygonF({c + QPointF(0, -h * 0.18), c + QPointF(-w * 0.28, -h * 0.24), c + QPointF(-w * 0.28, h * 0.14),
                             c + QPointF(0, h * 0.2)}));
    p.drawPolygon(QPolygonF({c + QPointF(0, -h * 0.18), c + QPointF(w * 0.28, -h * 0.24), c + QPointF(w * 0.28, h * 0.14),
                             c + QPointF(0, h * 0.2)}));
}

}  // namespace

QPixmap LogoPicture(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    drawEmblem(p, QRectF(0, 0, size, size));
    return pixmap;
}

void PaintBackground(QPainter& p, const QRect& area)
{
    QLinearGradient g(0, area.top(), 0, area.bottom() + 1);
    g.setColorAt(0, QColor(236, 240, 248));
    g.setColorAt(1, QColor(200, 210, 228));
    p.fillRect(area, g);
    // Faint ruled lines, as on a form.
    p.setPen(QColor(255, 255, 255, 90));
    for (int y = area.top() + 24; y <= area.bottom(); y += 24)
        p.drawLine(area.left(), y, area.right(), y);
}

void PaintAboutPicture(QPainter& p, const QRect& area)
{
    p.fillRect(area, Qt::white);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(area.left(), 0, area.right() + 1, 0);
    g.setColorAt(0, QColor(255, 196, 196));
    g.setColorAt(1, Qt::white);
    p.fillRect(QRect(area.left(), area.bottom() + 1 - 8, area.width(), 8), g);
    const int emblem = qMin(area.height() / 2, 120);
    drawEmblem(p, QRectF(area.left() + 16, area.bottom() + 1 - emblem - 16, emblem, emblem));
}

ImageList24x24 LoadIconSet(IconSet set)
{
    const char* folder = set == IconSet::Seg ? "seg" : set == IconSet::Bank ? "bank" : "geral";
    ImageList24x24 images;
    for (int i = 0; i < int(images.size()); ++i)
        images[i] = QIcon(QStringLiteral(":/icons/%1/%2.png").arg(QLatin1String(folder)).arg(i, 2, 10, QLatin1Char('0')));
    return images;
}
