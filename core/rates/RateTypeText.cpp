#include "core/rates/RateTypeText.h"

#include "platform/data/ClientDataSet.h"
#include "platform/data/DataPacket.h"

QString CutToFieldWidth(const QString& text, int width)
{
    int used = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        used += qx::Big5::byteWidth(text.mid(i, pair ? 2 : 1));
        if (used > width)
            return text.left(i);
        if (pair)
            ++i;
    }
    return text;
}

QString CutToFieldWidth(const QString& text, const qx::Field& field)
{
    const int width = field.size();
    return width > 0 ? CutToFieldWidth(text, width) : text;
}
