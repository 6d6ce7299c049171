#include "platform/widgets/ScreenFonts.h"

#include <QFontDatabase>

namespace {

struct Substitutes {
    const char16_t* design;
    QStringList replacements;
};

const std::vector<Substitutes>& substituteTable()
{
    static const QString fallback = QStringLiteral("WenQuanYi Micro Hei");
    static const QStringList ming = {QStringLiteral("AR PL UMing TW"), QStringLiteral("AR PL UMing HK"),
                                     QStringLiteral("AR PL UMing CN"), fallback};
    static const QStringList kai = {QStringLiteral("AR PL UKai TW"), QStringLiteral("AR PL UKai HK"),
                                    QStringLiteral("AR PL UKai CN"), fallback};
    static const std::vector<Substitutes> table = {
        {u"細明體", ming},
        {u"新細明體", ming},
        {u"標楷體", kai},
        {u"Arial", {QStringLiteral("Liberation Sans")}},
        {u"Courier New", {QStringLiteral("Liberation Mono")}},
        {u"Times New Roman", {QStringLiteral("Liberation Serif")}},
    };
    return table;
}

const QStringList& substitutesFor(const QString& designFamily)
{
    static const QStringList none;
    for (const Substitutes& s : substituteTable())
        if (designFamily.compare(QStringView(s.design), Qt::CaseInsensitive) == 0)
            return s.replacements;
    return none;
}

QStringList systemFamilies()
{
    return QFontDatabase::families();
}

}  // namespace

QString ScreenFontFamily(const QString& designFamily, const QStringList& installedFamilies)
{
    if (installedFamilies.contains(designFamily, Qt::CaseInsensitive))
        return designFamily;
    for (const QString& candidate : substitutesFor(designFamily))
        if (installedFamilies.contains(candidate, Qt::CaseInsensitive))
            return candidate;
    return designFamily;
}

QString ScreenFontFamily(const QString& designFamily)
{
    // The font database is asked once per run: fonts are not installed while the program runs.
    static const QStringList installed = systemFamilies();
    return ScreenFontFamily(designFamily, installed);
}

QStringList InstalledDesignFamilies(const QStringList& installedFamilies)
{
    QStringList families = installedFamilies;
    for (const Substitutes& s : substituteTable()) {
        const QString design = QString::fromUtf16(s.design);
        if (!families.contains(design, Qt::CaseInsensitive)
            && ScreenFontFamily(design, installedFamilies).compare(design, Qt::CaseInsensitive) != 0)
            families << design;
    }
    return families;
}

QStringList InstalledDesignFamilies()
{
    return InstalledDesignFamilies(systemFamilies());
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
