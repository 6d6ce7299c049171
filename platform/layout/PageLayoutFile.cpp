// Reading a page table: one record a line, words separated by blanks, free text last.
#include "platform/layout/PageLayout.h"

#include <QFile>
#include <QFileInfo>
#include <QStringConverter>
#include <QTextStream>
#include <array>
#include <optional>

namespace qx {

namespace {

struct KindName {
    BoxKind kind;
    const char* word;
};

constexpr std::array<KindName, 9> kKindNames{{
    {BoxKind::Edit, "edit"},
    {BoxKind::DataText, "text"},
    {BoxKind::TickBox, "tick"},
    {BoxKind::DateButton, "date"},
    {BoxKind::CalcButton, "calc"},
    {BoxKind::HeaderText, "header"},
    {BoxKind::SumLabel, "sum"},
    {BoxKind::Mark, "mark"},
    {BoxKind::Column, "column"},
}};

std::optional<BoxKind> kindOfWord(const QString& word)
{
    for (const auto& k : kKindNames)
        if (word == QLatin1String(k.word))
            return k.kind;
    return std::nullopt;
}

class RowReader {
public:
    RowReader(const QString& name, int row, const QString& line) : name_(name), row_(row)
    {
        words_ = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        line_ = line;
    }

    [[noreturn]] void fail(const QString& what) const
    {
        throw LayoutError(QStringLiteral("%1, line %2: %3").arg(name_).arg(row_).arg(what).toStdString());
    }

    int count() const { return int(words_.size()); }
    const QString& word(int i) const
    {
        if (i >= count())
            fail(QStringLiteral("\"%1\" has too few words").arg(words_.value(0)));
        return words_[i];
    }

    double number(int i) const
    {
        bool ok = false;
        const double v = word(i).toDouble(&ok);
        if (!ok || v < 0)
            fail(QStringLiteral("\"%1\" is not a number of millimetres or pixels").arg(word(i)));
        return v;
    }

    int integer(int i) const
    {
        bool ok = false;
        const int v = word(i).toInt(&ok);
        if (!ok)
            fail(QStringLiteral("\"%1\" is not a whole number").arg(word(i)));
        return v;
    }

    // The text after the first `n` words.
    QString rest(int n) const
    {
        int pos = 0;
        for (int i = 0; i < n; ++i) {
            pos = line_.indexOf(words_[i], pos) + words_[i].size();
        }
        const QString text = line_.mid(pos).trimmed();
        if (text.isEmpty())
            fail(QStringLiteral("\"%1\" has no text").arg(words_[0]));
        return text;
    }

private:
    QString name_;
    int row_;
    QString line_;
    QStringList words_;
};

BoxAlign alignOfWord(const RowReader& r, int i)
{
    const QString& w = r.word(i);
    if (w == QLatin1String("left"))
        return BoxAlign::Left;
    if (w == QLatin1String("right"))
        return BoxAlign::Right;
    if (w == QLatin1String("center"))
        return BoxAlign::Center;
    r.fail(QStringLiteral("alignment \"%1\" is not left, right or center").arg(w));
}

QSizeF paperOf(const RowReader& r)
{
    QSizeF size;
    bool custom = false;
    r.word(1).toDouble(&custom);
    if (custom)
        return QSizeF(r.number(1), r.number(2));  // a strip: width and height in millimetres
    if (r.word(1) == QLatin1String("A4"))
        size = QSizeF(210, 297);
    else if (r.word(1) == QLatin1String("A3"))
        size = QSizeF(297, 420);
    else
        r.fail(QStringLiteral("paper \"%1\" is not A4 or A3").arg(r.word(1)));
    if (r.word(2) == QLatin1String("landscape"))
        return size.transposed();
    if (r.word(2) != QLatin1String("portrait"))
        r.fail(QStringLiteral("orientation \"%1\" is not portrait or landscape").arg(r.word(2)));
    return size;
}

Box boxOf(const RowReader& r, BoxKind kind, const QString& band, int row)
{
    Box b;
    b.kind = kind;
    b.dataSet = r.word(1) == QLatin1String("-") ? QString() : r.word(1);
    b.field = r.word(2);
    b.mm = QRectF(r.number(3), r.number(4), r.number(5), r.number(6));
    b.align = alignOfWord(r, 7);
    b.fontPx = r.integer(8);
    b.column = r.integer(9);
    // Then an optional component name and an optional `cut` mark, in this order.
    int next = 10;
    if (r.count() > next && r.word(next) != QLatin1String("cut"))
        b.name = r.word(next++);
    if (r.count() > next && r.word(next) == QLatin1String("cut")) {
        b.cut = true;
        ++next;
    }
    if (r.count() > next)
        r.fail(QStringLiteral("\"%1\" after the box's words is neither a name nor cut").arg(r.word(next)));
    b.band = band;
    b.row = row;
    return b;
}

}  // namespace

bool Box::isBound() const
{
    return kind == BoxKind::Edit || kind == BoxKind::TickBox || kind == BoxKind::DataText
        || kind == BoxKind::HeaderText;
}

QString boxKindName(BoxKind kind)
{
    for (const auto& k : kKindNames)
        if (k.kind == kind)
            return QLatin1String(k.word);
    return {};
}

const ReportPlacement* PageLayout::report(const QString& reportName) const
{
    for (const auto& r : reports)
        if (r.name == reportName)
            return &r;
    return nullptr;
}

double ReportBand::heightMm() const
{
    return heightPx * 25.4 / 96.0;
}

const ReportBand* PageLayout::band(const QString& bandName) const
{
    for (const auto& b : bands)
        if (b.name == bandName)
            return &b;
    return nullptr;
}

std::vector<Box> PageLayout::boxesOfBand(const QString& bandName) const
{
    std::vector<Box> out;
    for (const auto& b : boxes)
        if (b.band == bandName)
            out.push_back(b);
    return out;
}

PageLayout parsePageLayout(const QString& text, const QString& name)
{
    PageLayout page;
    page.name = name;
    QString band;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const int row = i + 1;
        QString line = lines[i];
        line.replace(QLatin1Char('\t'), QLatin1Char(' '));
        if (line.trimmed().isEmpty() || line.trimmed().startsWith(QLatin1Char('#')))
            continue;
        const RowReader r(name, row, line);
        const QString& key = r.word(0);
        if (const auto kind = kindOfWord(key)) {
            page.boxes.push_back(boxOf(r, *kind, band, row));
        } else if (key == QLatin1String("paper")) {
            page.paperMm = paperOf(r);
        } else if (key == QLatin1String("amounts")) {
            page.amountDigits = r.integer(1);
            if (page.amountDigits < 1 || page.amountDigits > 15)
                r.fail(QStringLiteral("amounts of %1 digits: 1 to 15 digits").arg(page.amountDigits));
        } else if (key == QLatin1String("picture")) {
            page.picturePx = QSize(r.integer(1), r.integer(2));
        } else if (key == QLatin1String("title")) {
            const QStringList two = r.rest(1).split(QLatin1Char('|'));
            if (two.size() != 2)
                r.fail(QStringLiteral("title needs a Chinese and a Portuguese text, separated by |"));
            page.titleChn = two[0].trimmed();
            page.titlePor = two[1].trimmed();
        } else if (key == QLatin1String("report")) {
            ReportPlacement p;
            p.name = r.word(1);
            p.marginLeftMm = r.number(2);
            p.marginTopMm = r.number(3);
            p.bandPx = QSize(r.integer(4), r.integer(5));
            p.sheetOffsetMm = r.count() > 6 ? r.number(6) : 0.0;
            if (r.count() > 7) {
                p.minLeftPx = r.integer(7);
                p.maxLeftPx = r.integer(8);
            }
            page.reports.push_back(p);
        } else if (key == QLatin1String("band")) {
            band = r.word(1) == QLatin1String("-") ? QString() : r.word(1);
            if (!band.isEmpty() && !page.band(band))
                page.bands.push_back(ReportBand{band, r.number(2), r.integer(3)});
        } else if (key == QLatin1String("heading") || key == QLatin1String("number")
                   || key == QLatin1String("label")) {
            Mark m;
            m.kind = key == QLatin1String("heading") ? MarkKind::Heading
                : key == QLatin1String("number")     ? MarkKind::Number
                                                     : MarkKind::Label;
            m.mm = QPointF(r.number(1), r.number(2));
            m.text = r.rest(3);
            m.row = row;
            page.marks.push_back(m);
        } else {
            r.fail(QStringLiteral("unknown record \"%1\"").arg(key));
        }
    }
    if (page.paperMm.isEmpty())
        throw LayoutError(QStringLiteral("%1: no paper given").arg(name).toStdString());
    if (page.picturePx.isEmpty())
        throw LayoutError(QStringLiteral("%1: no picture size given").arg(name).toStdString());
    return page;
}

PageLayout loadPageLayout(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw LayoutError(QStringLiteral("%1: %2").arg(path, file.errorString()).toStdString());
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    return parsePageLayout(in.readAll(), QFileInfo(path).completeBaseName());
}

}  // namespace qx
