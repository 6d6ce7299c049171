#include "platform/widgets/ScreenFonts.h"

#include <QFontDatabase>

namespace {

struct Substitutes {
    const char16_t* design;
    QStringList replacements;
    // The Latin face drawn before the replacements when the design family is a Chinese one
    // that is not installed: the Chinese substitutes' own Latin letters do not match the design
    // (AR PL UMing's "l" reads as "1"), the design's Latin letters are of this style.
    const char16_t* latinFace;
    // Qt keeps one font engine per first family, size and style hint, whatever families follow
    // in the list: each Chinese style has a hint of its own so that a Kai font never draws its
    // Han with the engine (and Chinese face) of a Ming font of the same size.
    QFont::StyleHint hint;
};

const std::vector<Substitutes>& substituteTable()
{
    static const QString fallback = QStringLiteral("WenQuanYi Micro Hei");
    static const QStringList ming = {QStringLiteral("AR PL UMing TW"), QStringLiteral("AR PL UMing HK"),
                                     QStringLiteral("AR PL UMing CN"), fallback};
    static const QStringList kai = {QStringLiteral("AR PL UKai TW"), QStringLiteral("AR PL UKai HK"),
                                    QStringLiteral("AR PL UKai CN"), fallback};
    static const std::vector<Substitutes> table = {
        {u"細明體", ming, u"Liberation Serif", QFont::Serif},
        {u"新細明體", ming, u"Liberation Serif", QFont::Serif},
        {u"標楷體", kai, u"Liberation Serif", QFont::Cursive},
        {u"Arial", {QStringLiteral("Liberation Sans")}, nullptr, QFont::AnyStyle},
        {u"Courier New", {QStringLiteral("Liberation Mono")}, nullptr, QFont::AnyStyle},
        {u"Times New Roman", {QStringLiteral("Liberation Serif")}, nullptr, QFont::AnyStyle},
    };
    return table;
}

const Substitutes* substitutesFor(const QString& designFamily)
{
    for (const Substitutes& s : substituteTable())
        if (designFamily.compare(QStringView(s.design), Qt::CaseInsensitive) == 0)
            return &s;
    return nullptr;
}

QStringList systemFamilies()
{
    return QFontDatabase::families();
}

const QStringList& installedOnce()
{
    // The font database is asked once per run: fonts are not installed while the program runs.
    static const QStringList installed = systemFamilies();
    return installed;
}

}  // namespace

QString ScreenFontFamily(const QString& designFamily, const QStringList& installedFamilies)
{
    if (installedFamilies.contains(designFamily, Qt::CaseInsensitive))
        return designFamily;
    if (const Substitutes* s = substitutesFor(designFamily))
        for (const QString& candidate : s->replacements)
            if (installedFamilies.contains(candidate, Qt::CaseInsensitive))
                return candidate;
    return designFamily;
}

QString ScreenFontFamily(const QString& designFamily)
{
    return ScreenFontFamily(designFamily, installedOnce());
}

QStringList ScreenFontFamilies(const QString& designFamily, const QStringList& installedFamilies)
{
    const QString screen = ScreenFontFamily(designFamily, installedFamilies);
    const Substitutes* s = substitutesFor(designFamily);
    if (s == nullptr || s->latinFace == nullptr || screen.compare(designFamily, Qt::CaseInsensitive) == 0)
        return {screen};
    const QString latin = QString::fromUtf16(s->latinFace);
    if (!installedFamilies.contains(latin, Qt::CaseInsensitive))
        return {screen};
    return {latin, screen};
}

QStringList ScreenFontFamilies(const QString& designFamily)
{
    return ScreenFontFamilies(designFamily, installedOnce());
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

void SetDesignFamily(QFont& font, const QString& designFamily)
{
    font.setFamilies(ScreenFontFamilies(designFamily));
    const Substitutes* s = substitutesFor(designFamily);
    font.setStyleHint(s != nullptr ? s->hint : QFont::AnyStyle, font.styleStrategy());
}

QFont DesignFontPixels(const QString& designFamily, int pixelHeight)
{
    QFont font(ScreenFontFamilies(designFamily));
    SetDesignFamily(font, designFamily);  // the style hint
    font.setPixelSize(pixelHeight);
    return font;
}

QFont DesignFontPoints(const QString& designFamily, int pointSize)
{
    QFont font(ScreenFontFamilies(designFamily));
    SetDesignFamily(font, designFamily);  // the style hint
    font.setPointSize(pointSize);
    return font;
}
