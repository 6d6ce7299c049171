#include "core/msgdlg/ScreenFonts.h"

#include <QFontDatabase>

namespace {

struct Substitutes {
    const char16_t* design;
    QStringList replacements;
};

const Substitutes& substitutesFor(const QString& designFamily)
{
    static const QStringList cjk = {QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK TC"),
                                    QStringLiteral("Noto Serif CJK TC"), QStringLiteral("Noto Sans CJK SC"),
                                    QStringLiteral("Noto Sans CJK JP")};
    static const Substitutes table[] = {
        {u"細明體", cjk},
        {u"新細明體", cjk},
        {u"Arial", {QStringLiteral("Liberation Sans")}},
        {u"Courier New", {QStringLiteral("Liberation Mono")}},
    };
    static const Substitutes none{u"", {}};
    for (const Substitutes& s : table)
        if (designFamily.compare(QStringView(s.design), Qt::CaseInsensitive) == 0)
            return s;
    return none;
}

}  // namespace

QString ScreenFontFamily(const QString& designFamily, const QStringList& installedFamilies)
{
    if (installedFamilies.contains(designFamily, Qt::CaseInsensitive))
        return designFamily;
    for (const QString& candidate : substitutesFor(designFamily).replacements)
        if (installedFamilies.contains(candidate, Qt::CaseInsensitive))
            return candidate;
    return designFamily;
}

QString ScreenFontFamily(const QString& designFamily)
{
    return ScreenFontFamily(designFamily, QFontDatabase::families());
}

QFont DesignFontPixels(const QString& designFamily, int pixelHeight)
{
    QFont font(ScreenFontFamily(designFamily));
    font.setPixelSize(pixelHeight);
    return font;
}

QFont DesignFontPoints(const QString& designFamily, int pointSize)
{
    QFont font(ScreenFontFamily(designFamily));
    font.setPointSize(pointSize);
    return font;
}
