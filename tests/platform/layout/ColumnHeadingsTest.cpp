// The column headings of the M/3 and M/3A lists, on the grids' heading strips and on the printed
// faces, against what each column holds: its words in both languages, its number, and for a
// computed column the formula, which must give what the list's total of that column in the field
// catalogue sums.
#include "platform/layout/PageLayout.h"

#include "core/catalogue/FieldCatalogue.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace {

// What a column holds. Each phrase between '|' must be in the heading (blanks and letter case
// aside); no words where only the formula says it.
struct Meaning {
    const char* field;
    const char16_t* chn;
    const char16_t* por;
};

struct ListHeadings {
    const char* dataSet;
    std::vector<const char*> pages;
    std::vector<Meaning> columns;
};

const ListHeadings kLists[] = {
    {"cdsM3VCLF",
     {"M3Grid", "M3Front", "M3Back", "M3ContFront", "M3ContBack"},
     {{"Codigo", u"編號", u"Número"},
      {"Tipo", u"類別", u"Tipo"},
      {"Ano_Aqu", u"購入年", u"Ano"},
      {"Mes_Ini_de_Util", u"使用月", u"Mês"},
      {"Col1_Mop", u"購入價值", u"Valor de aquisição"},
      {"Col2_Mop", u"變賣或報銷", u"Alienado ou abatido"},
      {"col3_mop", u"期末結餘", u"Valor líquido"},
      {"Col4_Mop", u"期初累計攤折", u"De períodos anteriores"},
      {"DA_Taxas", u"攤折率", u"Taxa"},
      {"DA_Meses", u"攤折月數", u"Meses"},
      {"Col5_Mop", u"本期攤折", u"Do período"},
      {"Col6_Mop", u"取消", u"Anuladas"},
      {"col7_mop", u"期末累計攤折", u"Acumuladas"},
      {"col8_mop", u"帳面淨值", u"Valor líquido"}}},
    {"cdsM3AAli",
     {"M3AAliGrid", "M3AFront"},
     {{"Codigo", u"編號", u"Número"},
      {"Tipo", u"類別", u"Tipo"},
      {"Ano_Aqu", u"購入年", u"Ano"},
      {"Mes_Venda", u"變賣月", u"Mês"},
      {"Col1_Mop", u"變賣價", u"Líquido de despesas"},
      {"Col2_Mop", u"購入成本|稅務法例", u"Valor de aquisição|fiscal"},
      {"Col3_Mop", u"購入成本|會計帳目", u"Valor de aquisição|Escrita"},
      {"Col4_Mop", u"累計攤折|稅務法例", u"Amortizações acumuladas|fiscal"},
      {"Col5_Mop", u"累計攤折|會計帳目", u"Amortizações acumuladas|Escrita"},
      {"col6_mop", nullptr, nullptr},
      {"col7_mop", nullptr, nullptr},
      {"col8_mop", nullptr, nullptr}}},
    {"cdsM3AAba",
     {"M3AAbaGrid", "M3ABack"},
     {{"Codigo", u"編號", u"Número"},
      {"Tipo", u"類別", u"Tipo"},
      {"Ano_Aqu", u"購入年", u"Ano"},
      {"Mes_Abate", u"報銷月", u"Mês"},
      {"Col1_Mop", u"購入成本|稅務法例", u"Valor de aquisição|fiscal"},
      {"Col2_Mop", u"購入成本|會計帳目", u"Valor de aquisição|Escrita"},
      {"Col3_Mop", u"累計攤折|稅務法例", u"Amortizações acumuladas|fiscal"},
      {"Col4_Mop", u"累計攤折|會計帳目", u"Amortizações acumuladas|Escrita"},
      {"col5_mop", nullptr, nullptr},
      {"col6_mop", nullptr, nullptr},
      {"col7_mop", nullptr, nullptr},
      {"Motivo_Abate", u"報銷原因", u"Motivo do abate"}}},
};

// The heading cells of a page, left to right: a strip's column boxes, or on a printed face the
// data texts of the list's first row.
std::vector<qx::Box> headingCells(const qx::PageLayout& page, const QString& dataSet)
{
    std::vector<qx::Box> cells;
    for (const qx::Box& b : page.boxes) {
        const bool cell = b.kind == qx::BoxKind::Column
            || (b.kind == qx::BoxKind::DataText && b.dataSet == dataSet && b.field != QLatin1String("pag_num"));
        if (cell && std::none_of(cells.begin(), cells.end(), [&](const qx::Box& c) { return c.field == b.field; }))
            cells.push_back(b);
    }
    return cells;
}

// About how far a label's text reaches, in millimetres: a Chinese character is as wide as the
// text is high (2.5 mm), any other about half as wide.
double reachOf(const qx::Mark& label)
{
    double mm = 0;
    for (const QChar c : label.text)
        mm += c.unicode() >= 0x2e80 ? 2.5 : 1.4;
    return label.mm.x() + mm;
}

// The heading of each cell: the labels above the first row, below anything else, top to bottom;
// a label heads the cells it reaches into, up to the next label of its line.
std::map<QString, QString> headingsOf(const qx::PageLayout& page, const std::vector<qx::Box>& cells)
{
    const double rowTop = cells.front().mm.top();
    double above = 0;  // the lowest box above the first row
    for (const qx::Box& b : page.boxes)
        if (b.kind != qx::BoxKind::Column && b.mm.bottom() <= rowTop + 0.05)
            above = std::max(above, b.mm.bottom());
    std::vector<const qx::Mark*> labels;
    for (const qx::Mark& m : page.marks)
        if (m.kind == qx::MarkKind::Label && m.mm.y() > above && (cells.front().kind == qx::BoxKind::Column || m.mm.y() < rowTop))
            labels.push_back(&m);
    std::sort(labels.begin(), labels.end(), [](const qx::Mark* a, const qx::Mark* b) {
        return a->mm.y() != b->mm.y() ? a->mm.y() < b->mm.y() : a->mm.x() < b->mm.x();
    });
    std::map<QString, QString> headings;
    for (size_t i = 0; i < labels.size(); ++i) {
        const bool lastOfLine = i + 1 == labels.size() || labels[i + 1]->mm.y() != labels[i]->mm.y();
        const double end = lastOfLine ? reachOf(*labels[i]) : std::min(reachOf(*labels[i]), labels[i + 1]->mm.x());
        for (const qx::Box& c : cells)
            if (c.mm.right() > labels[i]->mm.x() + 0.05 && c.mm.left() < end - 0.05)
                headings[c.field] += labels[i]->text + QLatin1Char(' ');
    }
    return headings;
}

QString squeezed(QString s)
{
    return s.remove(QRegularExpression(QStringLiteral("\\s"))).toCaseFolded();
}

int columnNumber(const QString& field)
{
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("^col(\\d+)_mop$"), QRegularExpression::CaseInsensitiveOption).match(field);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

// The value of "a+b-c" whose terms `term` values.
template <typename Term>
long long sumOf(const QString& expression, Term term)
{
    long long total = 0;
    static const QRegularExpression terms(QStringLiteral("([+-]?)([^+-]+)"));
    for (auto it = terms.globalMatch(squeezed(expression)); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        total += (m.captured(1) == QLatin1String("-") ? -1 : 1) * term(m.captured(2));
    }
    return total;
}

// What column n of the list sums, by the catalogue's total of that column, with amount k of
// every row 10^k: a formula names the same columns with the same signs exactly when it gives
// the same value.
long long catalogueValue(const std::vector<qx::FieldDef>& fields, int n)
{
    for (const qx::FieldDef& f : fields)
        if (f.name.compare(QStringLiteral("COL%1_TTL").arg(n), Qt::CaseInsensitive) == 0) {
            const QString inner = f.expression.section(QLatin1Char('('), 1).section(QLatin1Char(')'), 0, 0);
            return sumOf(inner, [](const QString& name) {
                long long v = 1;
                for (int k = columnNumber(name); k > 0; --k)
                    v *= 10;
                return v;
            });
        }
    ADD_FAILURE() << "no total of column " << n;
    return 0;
}

QStringList headingFaults(const ListHeadings& list, const QString& pageName)
{
    QStringList faults;
    const QString dataSet = QLatin1String(list.dataSet);
    const qx::PageLayout& page = qx::pageLayout(pageName);
    const std::vector<qx::FieldDef> fields = CatalogueFields(dataSet);
    const std::vector<qx::Box> cells = headingCells(page, dataSet);
    const std::map<QString, QString> headings = headingsOf(page, cells);
    for (const qx::Box& cell : cells) {
        const auto meaning = std::find_if(list.columns.begin(), list.columns.end(),
                                          [&](const Meaning& m) { return cell.field == QLatin1String(m.field); });
        const auto def = std::find_if(fields.begin(), fields.end(), [&](const qx::FieldDef& f) { return f.name == cell.field; });
        const QString heading = headings.count(cell.field) ? headings.at(cell.field) : QString();
        const QString where = QStringLiteral("%1 %2 \"%3\"").arg(pageName, cell.field, heading.trimmed());
        if (meaning == list.columns.end() || def == fields.end()) {
            faults << where + QStringLiteral(": no column of the list");
            continue;
        }
        for (const char16_t* words : {meaning->chn, meaning->por})
            for (const QString& phrase : QString::fromUtf16(words ? words : u"").split(QLatin1Char('|'), Qt::SkipEmptyParts))
                if (!squeezed(heading).contains(squeezed(phrase)))
                    faults << where + QStringLiteral(": does not say ") + phrase;
        const int n = columnNumber(cell.field);
        if (!n)
            continue;
        const QRegularExpressionMatch formula =
            QRegularExpression(QStringLiteral("\\((\\d+)\\)=([-+()\\d]+)")).match(squeezed(heading));
        if (!squeezed(heading).contains(QStringLiteral("(%1)").arg(n)))
            faults << where + QStringLiteral(": not numbered (%1)").arg(n);
        if (formula.hasMatch() != (def->kind == qx::FieldKind::Calculated))
            faults << where + QStringLiteral(": a formula where the column is computed, none where it is typed");
        else if (formula.hasMatch()) {
            const long long value = sumOf(formula.captured(2), [&](const QString& term) {
                return catalogueValue(fields, term.mid(1, term.size() - 2).toInt());
            });
            if (formula.captured(1).toInt() != n || value != catalogueValue(fields, n))
                faults << where + QStringLiteral(": the formula is not the catalogue's total of the column");
        }
    }
    return faults;
}

TEST(ColumnHeadings, EveryHeadingOfTheM3AndM3AListsSaysWhatItsColumnHolds)
{
    for (const ListHeadings& list : kLists)
        for (const char* page : list.pages) {
            const QStringList faults = headingFaults(list, QLatin1String(page));
            EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
        }
}

}  // namespace
