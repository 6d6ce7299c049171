// Draws the main window's three icon sets (general, insurance, banking sector): eleven 24 x 24
// pictures each, in the order of the main window's actions. Run once; the PNGs are kept here.
//
//   g++ -std=c++20 -fPIC draw_icons.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/draw_icons
//   QT_QPA_PLATFORM=offscreen /tmp/draw_icons resources/icons
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace {

struct Scheme {
    const char* folder;
    QColor accent;  // the sector's colour
    QColor light;
};

void drawPage(QPainter& p, const Scheme& s, const QString& text)
{
    QPainterPath page;
    page.moveTo(4.5, 1.5);
    page.lineTo(15.5, 1.5);
    page.lineTo(20.5, 6.5);
    page.lineTo(20.5, 22.5);
    page.lineTo(4.5, 22.5);
    page.closeSubpath();
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.setBrush(QColor(210, 210, 210));
    p.drawPolygon(QPolygonF({QPointF(15.5, 1.5), QPointF(15.5, 6.5), QPointF(20.5, 6.5)}));
    p.fillRect(QRectF(5, 13, 15, 9), s.accent);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(text.size() > 2 ? 7 : 9);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(5, 13, 15, 9), Qt::AlignCenter, text);
    p.setPen(QPen(QColor(150, 150, 150), 1));
    for (int y : {5, 8, 11})
        p.drawLine(QPointF(7, y + 0.5), QPointF(y == 5 ? 13 : 18, y + 0.5));
}

void drawFolder(QPainter& p, const Scheme& s)
{
    p.setPen(QPen(s.accent.darker(150), 1));
    p.setBrush(s.light);
    p.drawRect(QRectF(2.5, 6.5, 19, 14));
    p.drawRect(QRectF(2.5, 4.5, 8, 2));
    p.setBrush(s.accent);
    p.drawPolygon(QPolygonF({QPointF(5.5, 10.5), QPointF(22.5, 10.5), QPointF(19.5, 20.5), QPointF(2.5, 20.5)}));
}

void drawImage(QPainter& p, const Scheme& s, int index)
{
    switch (index) {
    case 0:  // open a form folder
        drawFolder(p, s);
        break;
    case 1:  // save
        p.setPen(QPen(QColor(40, 40, 40), 1));
        p.setBrush(s.accent);
        p.drawRect(QRectF(3.5, 3.5, 17, 17));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6.5, 3.5, 11, 7));
        p.setBrush(QColor(60, 60, 60));
        p.drawRect(QRectF(7.5, 14.5, 9, 6));
        break;
    case 2:  // close
        drawFolder(p, s);
        p.setPen(QPen(QColor(200, 0, 0), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(12, 12), QPointF(20, 20));
        p.drawLine(QPointF(20, 12), QPointF(12, 20));
        break;
    case 3:  // quit
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(s.light);
        p.drawRect(QRectF(3.5, 2.5, 11, 19));
        p.setPen(QPen(s.accent.darker(130), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(9, 12), QPointF(21, 12));
        p.drawPolyline(QPolygonF({QPointF(17, 8), QPointF(21, 12), QPointF(17, 16)}));
        break;
    case 4: drawPage(p, s, QStringLiteral("1")); break;
    case 5: drawPage(p, s, QStringLiteral("A")); break;
    case 6: drawPage(p, s, QStringLiteral("B")); break;
    case 7: drawPage(p, s, QStringLiteral("3")); break;
    case 8: drawPage(p, s, QStringLiteral("3A")); break;
    case 9: drawPage(p, s, QStringLiteral("4")); break;
    case 10: {  // about
        p.setPen(QPen(s.accent.darker(150), 1));
        p.setBrush(s.accent);
        p.drawEllipse(QRectF(2.5, 2.5, 19, 19));
        QFont f(QStringLiteral("Liberation Serif"));
        f.setPixelSize(16);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(2, 2, 20, 20), Qt::AlignCenter, QStringLiteral("i"));
        break;
    }
    }
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const Scheme schemes[] = {
        {"geral", QColor(30, 90, 180), QColor(200, 220, 250)},
        {"seg", QColor(20, 130, 70), QColor(200, 240, 215)},
        {"bank", QColor(170, 110, 0), QColor(250, 230, 180)},
    };
    for (const Scheme& s : schemes) {
        QDir(out).mkpath(QLatin1String(s.folder));
        for (int i = 0; i < 11; ++i) {
            QImage image(24, 24, QImage::Format_ARGB32);
            image.fill(Qt::transparent);
            QPainter p(&image);
            p.setRenderHint(QPainter::Antialiasing);
            drawImage(p, s, i);
            p.end();
            image.save(QStringLiteral("%1/%2/%3.png").arg(out, QLatin1String(s.folder)).arg(i, 2, 10, QLatin1Char('0')));
        }
    }
    return 0;
}
