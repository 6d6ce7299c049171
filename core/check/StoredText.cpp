#include "core/check/StoredText.h"

#include "platform/data/Field.h"
#include "platform/data/ValueConvert.h"

QString CutToFieldSize(const QString& text, int size)
{
    // No character takes more than two bytes, so most texts fit without being measured.
    if (size <= 0 || text.size() * 2 <= size || qx::detail::big5Width(text) <= size)
        return text;
    // Widths only grow with length: find the longest fitting start by bisection, never
    // splitting a surrogate pair.
    qsizetype lo = 0;
    qsizetype hi = text.size();
    while (lo < hi) {
        const qsizetype mid = (lo + hi + 1) / 2;
        if (qx::detail::big5Width(text.left(mid)) <= size)
            lo = mid;
        else
            hi = mid - 1;
    }
    if (lo > 0 && text.at(lo - 1).isHighSurrogate())
        --lo;
    return text.left(lo);
}

void SetTextCut(qx::Field& field, const QString& text)
{
    field.setAsString(CutToFieldSize(text, field.size()));
}
