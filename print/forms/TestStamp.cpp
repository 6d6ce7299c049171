#include "print/forms/TestStamp.h"

#include "platform/widgets/ScreenFonts.h"

#include <QPainter>

QImage TestStampPicture()
{
    QImage stamp(189, 22, QImage::Format_RGB32);
    stamp.fill(Qt::white);
    QPainter p(&stamp);
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(0, 0, stamp.width() - 1, stamp.height() - 1);
    p.setFont(DesignFontPixels(QStringLiteral("新細明體"), 14));
    p.drawText(stamp.rect(), Qt::AlignCenter, QStringLiteral("測試頁 Página de Teste"));
    return stamp;
}
