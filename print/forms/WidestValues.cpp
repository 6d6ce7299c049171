#include "print/forms/WidestValues.h"

#include "core/catalogue/FieldCatalogue.h"
#include "core/module/TdmMain.h"
#include "platform/data/Currency.h"
#include "platform/data/DisplayFormat.h"
#include "platform/data/FieldDef.h"
#include "platform/report/FitText.h"
#include "platform/widgets/ScreenFonts.h"
#include "print/forms/DateBoxes.h"

#include <QDate>
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace {

// Codes (a rate code, a year or a month typed as text) are this short; longer texts are free texts.
constexpr int kCodeLength = 5;
// Counts (sheets, pages, months) have no bound of their own: four digits hold more sheets than
// any list fills.
constexpr int kCountDigits = 4;
// A date whose digits are all present (the font's digits are of one width).
const QDate kWidestDate(2099, 12, 28);

std::int64_t nines(int digits)
{
    std::int64_t v = 0;
    for (int i = 0; i < digits; ++i)
        v = v * 10 + 9;
    return v;
}

QString wider(const QString& a, const QString& b)
{
    return b.size() > a.size() ? b : a;
}

QString widestNumber(const QString& pattern, std::int64_t largest)
{
    return wider(qx::formatNumber(pattern, largest), qx::formatNumber(pattern, -largest));
}

QString widestAmount(const QString& pattern, int digits)
{
    const qx::Currency largest = qx::Currency::fromUnits(nines(digits));
    return wider(qx::formatNumber(pattern, largest), qx::formatNumber(pattern, -largest));
}

int amountDigitsOf(const qx::PageLayout& page)
{
    return page.amountDigits > 0 ? page.amountDigits : qx::kAmountDigits;
}

std::optional<qx::FieldDef> fieldOf(const qx::Box& box)
{
    for (const qx::FieldDef& f : CatalogueFields(box.dataSet))
        if (f.name.compare(box.field, Qt::CaseInsensitive) == 0)
            return f;
    return std::nullopt;
}

// The date patterns a box prints with, on every form that prints it.
QString widestDatePattern(const qx::PageLayout& page, const qx::Box& box)
{
    int occurrence = 0;
    for (const qx::Box& b : page.boxes) {
        if (b.isBound() && b.field == box.field)
            ++occurrence;
        if (&b == &box)
            break;
    }
    QString widest;
    for (const DateBoxSpec& d : DateBoxSpecs())
        if (page.name == QLatin1String(d.layout) && box.field == QLatin1String(d.field) && d.occurrence == occurrence)
            widest = wider(widest, FormatDateBox(kWidestDate, QString::fromLatin1(d.pattern)));
    return widest;
}

bool showsOnEditor(const qx::PageLayout& page, const qx::Box& box)
{
    return page.bands.empty()
        && (box.kind == qx::BoxKind::Edit || box.kind == qx::BoxKind::DataText || box.kind == qx::BoxKind::HeaderText);
}

}  // namespace

std::optional<qx::WidestValue> WidestOfField(const qx::FieldDef& f, int amountDigits)
{
    using qx::FieldType;
    const QString& pattern = f.displayFormat;
    switch (f.type) {
    case FieldType::Currency:
        if (pattern.contains(u'%'))
            return qx::WidestValue{qx::formatNumber(pattern, qx::Currency::fromUnits(100))};
        if (pattern.isEmpty())  // the reduction percentage: 0 to 100, with decimals
            return qx::WidestValue{wider(qx::formatNumber(pattern, qx::Currency::fromUnits(100)),
                                         qx::formatNumber(pattern, qx::Currency::fromRaw(999999)))};
        return qx::WidestValue{widestAmount(pattern, amountDigits)};
    case FieldType::LargeInt:
        return qx::WidestValue{widestNumber(pattern, nines(amountDigits))};
    case FieldType::Integer:
    case FieldType::AutoInc: {
        std::int64_t largest = nines(kCountDigits);
        if (f.maxValue)
            largest = *f.maxValue;
        else if (const qsizetype zeros = pattern.section(u';', 0, 0).count(u'0'); zeros > 0)
            largest = nines(int(zeros));
        else if (f.name.compare(u"face_num", Qt::CaseInsensitive) == 0)
            largest = 2;
        // Years, counts and numbers: the checks refuse negative ones.
        return qx::WidestValue{pattern.isEmpty() ? QString::number(largest) : qx::formatNumber(pattern, largest)};
    }
    case FieldType::Date:
    case FieldType::DateTime:
        return qx::WidestValue{qx::formatDate(pattern, kWidestDate)};
    case FieldType::Boolean:
        return qx::WidestValue{QStringLiteral("X")};
    case FieldType::String:
        if (f.size > 0 && f.size <= kCodeLength)
            return qx::WidestValue{QString(f.size, u'W')};
        return std::nullopt;
    }
    return std::nullopt;
}

qx::BoxWidest WidestOfBox(const qx::PageLayout& page, const qx::Box& box)
{
    qx::BoxWidest out;
    const int digits = amountDigitsOf(page);
    if (box.kind == qx::BoxKind::SumLabel) {
        const bool pageNumber = box.field.contains(u"_Num");
        out.paper = qx::WidestValue{pageNumber ? QString::number(nines(kCountDigits))
                                               : wider(TdmMain::FormatMopText(qx::Currency::fromUnits(nines(digits))),
                                                       TdmMain::FormatMopText(qx::Currency::fromUnits(-nines(digits))))};
        return out;
    }
    if (!box.isBound())
        return out;
    const std::optional<qx::FieldDef> f = fieldOf(box);
    if (!f)
        return out;
    std::optional<qx::WidestValue> shown = WidestOfField(*f, digits);
    if (!shown && f->type == qx::FieldType::String)
        shown = qx::WidestValue{{}, f->size};  // a long text: so many characters
    if (!shown)
        return out;
    if (showsOnEditor(page, box) && box.kind != qx::BoxKind::TickBox)
        out.screen = shown;
    if (!page.reports.empty()) {
        out.paper = shown;
        if (f->type == qx::FieldType::Date)
            if (const QString pattern = widestDatePattern(page, box); !pattern.isEmpty())
                out.paper = qx::WidestValue{pattern};
    }
    return out;
}

double TextWidthIn(const QFont& font, const qx::WidestValue& value)
{
    const QFontMetricsF metrics(font);
    if (value.exact())
        return metrics.horizontalAdvance(value.text);
    // A text of N bytes holds N Latin letters or N / 2 Chinese characters.
    return std::max(value.characters * metrics.averageCharWidth(),
                    std::ceil(value.characters / 2.0) * metrics.horizontalAdvance(QStringLiteral("中")));
}

qx::TextWidths ProgramTextWidths()
{
    const QString family = ScreenFontFamily(QStringLiteral("Courier New"));
    qx::TextWidths widths;
    widths.paper = [family](const qx::WidestValue& v, int px) {
        return TextWidthIn(qx::report::PrintFont(qx::report::ReportFont{family, px, false}), v);
    };
    // The editors measure in whole pixels, as their controls lay out their text.
    widths.screen = [](const qx::WidestValue& v, int px, bool bold) {
        QFont font = DesignFontPixels(QStringLiteral("Courier New"), px);
        font.setBold(bold);
        return std::ceil(TextWidthIn(font, v));
    };
    widths.paperFloorPx = qx::report::kFloorPixelHeight;
    return widths;
}

QStringList CheckBoxFits(const qx::PageLayout& page)
{
    return qx::checkBoxFits(page, [&page](const qx::Box& box) { return WidestOfBox(page, box); }, ProgramTextWidths());
}
