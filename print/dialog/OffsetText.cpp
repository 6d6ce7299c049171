#include "print/dialog/OffsetText.h"

#include <QLocale>

QChar SystemDecimalSeparator()
{
    const QString sep = QLocale::system().decimalPoint();
    return sep.size() == 1 ? sep.front() : QChar(u'.');
}

bool OffsetKeyPasses(QChar key, const QString& text, QChar decimalSeparator)
{
    switch (key.unicode()) {
    case 8:   // Backspace
    case 9:   // Tab
    case 13:  // Enter
    case 27:  // Escape
        return true;
    default:
        break;
    }
    if (key >= u'0' && key <= u'9')
        return true;
    return key == decimalSeparator && !text.contains(decimalSeparator);
}

std::optional<qx::Currency> ParseOffset(const QString& text, QChar decimalSeparator)
{
    QString plain = text.trimmed();
    if (decimalSeparator != u'.') {
        if (plain.contains(u'.'))
            return std::nullopt;
        plain.replace(decimalSeparator, u'.');
    }
    // Digits beyond the fourth decimal round the fourth, half away from zero.
    const qsizetype point = plain.indexOf(u'.');
    bool roundUp = false;
    if (point >= 0 && plain.size() - point - 1 > 4) {
        const QString cut = plain.mid(point + 5);
        for (QChar c : cut)
            if (!c.isDigit() || c.unicode() > 0x7f)
                return std::nullopt;
        roundUp = cut.front() >= u'5';
        plain.truncate(point + 5);
    }
    qx::Currency value;
    if (plain.isEmpty() || plain == u"." || !qx::Currency::tryParse(plain, &value))
        return std::nullopt;
    if (roundUp) {
        const qx::Currency unit = qx::Currency::fromRaw(1);
        value = plain.startsWith(u'-') ? value - unit : value + unit;
    }
    return value;
}

QString FormatOffset(qx::Currency value, QChar decimalSeparator)
{
    QString text = value.toString();
    text.replace(u'.', decimalSeparator);
    return text;
}
