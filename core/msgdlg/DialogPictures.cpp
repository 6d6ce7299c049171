#include "core/msgdlg/DialogPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace {

QPixmap transparentPixmap(int width, int height)
{
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void drawBubble(QPainter& painter, const QString& sign)
{
    QPainterPath bubble;
    bubble.addEllipse(QRectF(2, 2, 28, 22));
    bubble.moveTo(8, 21);
    bubble.lineTo(5, 30);
    bubble.lineTo(15, 23);
    painter.setPen(QPen(QColor(0, 0, 128), 1));
    painter.setBrush(QColor(64, 128, 255));
    painter.drawPath(bubble.simplified());
    QFont font = painter.font();
    font.setPixelSize(16);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(2, 2, 28, 22), Qt::AlignCenter, sign);
}

}  // namespace

QPixmap LanguageTabPicture(const QString& name, const QFont& font)
{
    QPixmap pixmap = transparentPixmap(100, 24);
    QPainter painter(&pixmap);
    painter.setFont(font);
    painter.setPen(Qt::darkGray);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, name);
    return pixmap;
}

QPixmap DialogTypePicture(int dlgType)
{
    QPixmap pixmap = transparentPixmap(32, 32);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (dlgType) {
    case 0: {
        const QPolygonF triangle({QPointF(16, 2), QPointF(30, 29), QPointF(2, 29)});
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(QColor(255, 220, 0));
        painter.drawPolygon(triangle);
        QFont font = painter.font();
        font.setPixelSize(18);
        font.setBold(true);
        painter.setFont(font);
        painter.drawText(QRectF(2, 8, 28, 21), Qt::AlignCenter, QStringLiteral("!"));
        break;
    }
    case 1:
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(220, 0, 0));
        painter.drawEllipse(QRectF(2, 2, 28, 28));
        painter.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(10, 10), QPointF(22, 22));
        painter.drawLine(QPointF(22, 10), QPointF(10, 22));
        break;
    case 2: drawBubble(painter, QStringLiteral("i")); break;
    case 3: drawBubble(painter, QStringLiteral("?")); break;
    default: break;
    }
    return pixmap;
}
