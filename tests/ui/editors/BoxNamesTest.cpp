// What a box is called in the messages about it, in each language: a label's words split by
// language, a grid column's name found whatever the letter case of its field, the field's own
// label else, and the names the pages give their boxes.
#include "platform/data/ClientDataSet.h"
#include "platform/layout/PageLayout.h"
#include "platform/widgets/DataEdit.h"
#include "platform/widgets/DataSource.h"
#include "ui/editors/LayoutBoxNames.h"
#include "ui/framework/BoxNames.h"

#include <QFile>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

void ExpectName(const BoxName& name, const char* chn, const char* por, const std::string& what)
{
    EXPECT_EQ(name.chn.toStdString(), chn) << what;
    EXPECT_EQ(name.por.toStdString(), por) << what;
}

TEST(BoxNames, ALabelSplitsIntoItsLanguagesAndAOneLanguageLabelNamesTheBoxInBoth)
{
    const struct {
        const char* text;
        const char* chn;
        const char* por;
    } cases[] = {
        {"成立日期 Data da constituição", "成立日期", "Data da constituição"},
        {"(1)購入價值 Valor de aquisição", "(1) 購入價值", "(1) Valor de aquisição"},
        {"總額 ＭＯＰ Total MOP", "總額 ＭＯＰ", "Total MOP"},  // full-width letters are Chinese
        {"於", "於", "於"},
        {"Deliberação de", "Deliberação de", "Deliberação de"},
        {"(4)", "(4)", "(4)"},
    };
    for (const auto& c : cases)
        ExpectName(SplitBilingual(QString::fromUtf8(c.text)), c.chn, c.por, c.text);
}

TEST(BoxNames, ABoxIsNamedByItsOwnNameItsGridsColumnItsFieldsLabelOrItsField)
{
    qx::ClientDataSet ds(QStringLiteral("cdsList"));
    auto def = [](const char* name, qx::FieldType type, const char* label) {
        qx::FieldDef d;
        d.name = QString::fromLatin1(name);
        d.type = type;
        d.size = type == qx::FieldType::String ? 14 : 0;
        d.displayLabel = QString::fromUtf8(label);
        return d;
    };
    ds.setFieldDefs({def("Col1_Mop", qx::FieldType::Currency, ""), def("Telefone", qx::FieldType::String, "電話 Telefone"),
                     def("Fax", qx::FieldType::String, "")});
    ds.createDataSet();
    DataSource source;
    source.setDataSet(&ds);
    QWidget grid;
    SetFieldBoxNames(grid, {{QStringLiteral("Col1_Mop"), {QStringLiteral("(1) 購入價值"), QStringLiteral("(1) Valor")}}});
    auto edit = [&](const char* field) {
        auto* e = new DataEdit(&grid);
        e->setDataSource(&source);
        e->setDataField(QString::fromLatin1(field));
        return e;
    };
    DataEdit* cell = edit("Col1_Mop");
    DataEdit* phone = edit("Telefone");
    DataEdit* fax = edit("Fax");
    DataEdit* own = edit("Telefone");
    SetBoxName(*own, {QStringLiteral("電話 (2)"), QStringLiteral("Telefone (2)")});

    ExpectName(BoxNameOf(cell, QStringLiteral("COL1_MOP")), "(1) 購入價值", "(1) Valor", "a grid column in other letters");
    ExpectName(BoxNameOf(phone, QStringLiteral("Telefone")), "電話", "Telefone", "the field's label");
    ExpectName(BoxNameOf(fax, QStringLiteral("Fax")), "Fax", "Fax", "the field's name");
    ExpectName(BoxNameOf(own, QStringLiteral("Telefone")), "電話 (2)", "Telefone (2)", "its own name");
    ExpectName(BoxNameOf(nullptr, QStringLiteral("Fax")), "Fax", "Fax", "no control");
    for (QObject* child : grid.children())
        static_cast<DataEdit*>(child)->setDataSource(nullptr);
}

// The pages' boxes, each language in its own words where the page prints them.
TEST(BoxNames, EachLanguageNamesAPagesBoxInItsOwnWords)
{
    const struct {
        const char* page;
        const char* field;
        int nth;
        const char* chn;
        const char* por;
    } cases[] = {
        // The sentence printed in Chinese, then in Portuguese: each box of the field by both lines.
        {"M1P3", "Data_Deli_Assem_Geral", 1, "於", "Deliberação de"},
        {"M1P3", "Data_Deli_Assem_Geral", 2, "於", "Deliberação de"},
        {"M1P3", "Dis_Div_Lucros_Periodo", 2, "股東大會決議分配", "lucros de"},
        // A column heading on two lines, Chinese over Portuguese.
        {"M1P3", "Div_Lucros_Mop_R1", 1, "第 1 行 金額", "linha 1 Valor"},
        // A heading in Chinese only under a bilingual group heading: the group, then the word as
        // the page's legend explains it, in both languages.
        {"M4P1", "1_R1_Col2_Mop", 1, "第 1 行 (2) 期初結餘 - 稅則不認許部分",
         "linha 1 (2) Saldos iniciais - Importâncias não consideradas para efeitos fiscais"},
        // A heading a language a line, each line with its own marks.
        {"M4P1", "2_r1_col4_mop", 1, "第 1 行 (4)= 表一(7)+(8)", "linha 1 (4)= Quadro 1 (7)+(8)"},
        // A free line's description: the label of the line above heads no column; the second
        // line of a text, of the taxpayer's name, of the observations, goes with the first.
        {"M4P1", "1_R5_Desc", 1, "第 5 行", "linha 5"},
        {"M4P1", "1_R4_Desc_2", 1, "第 4 行", "linha 4"},
        {"AnexoAP1", "Nome_Contribuinte_2", 1, "納稅人", "Contribuinte"},
        {"M3ABack", "R5_Obs", 1, "備註", "Observações"},
        // A tick box by the choice printed after it.
        {"M1P1", "Tipo_de_Declaracao_Cancelamento", 1, "結業", "Cancelamento"},
        {"AnexoAP1", "I_R5_Mop_Per_Ant", 1, "第 I.5 行 上期", "linha I.5 Período anterior"},
        {"M1P1", "Data_da_Constituicao", 1, "成立日期", "Data da constituição"},
        // A number after another number, under the label they continue.
        {"M1P1", "Actividade_Codigo_4", 1, "行業代號 (4)", "Código (4)"},
    };
    for (const auto& c : cases) {
        const qx::PageLayout& layout = qx::pageLayout(QLatin1String(c.page));
        const qx::Box* box = nullptr;
        int nth = c.nth;
        for (const qx::Box& b : layout.boxes)
            if (b.isBound() && b.field == QLatin1String(c.field) && --nth == 0)
                box = &b;
        ASSERT_TRUE(box) << c.page << " " << c.field;
        ExpectName(LayoutBoxName(layout, *box), c.chn, c.por, std::string(c.page) + " " + c.field);
    }
}

// Every name every page gives a box or a grid column, in each language, as the pages name them
// today (tests/data/box-names.txt, one line a box in layout order): a changed name shows here.
TEST(BoxNames, EveryPageNamesEveryBoxAsItsListingSays)
{
    // The boxes that show or print a value; a grid's columns are named by their heading cells.
    auto holdsValue = [](const qx::Box& box) {
        using K = qx::BoxKind;
        return box.kind == K::Edit || box.kind == K::DataText || box.kind == K::TickBox || box.kind == K::HeaderText
               || box.kind == K::SumLabel;
    };
    QStringList names;
    for (const QString& page : qx::pageLayoutNames()) {
        const qx::PageLayout& layout = qx::pageLayout(page);
        for (const qx::Box& box : layout.boxes)
            if (const BoxName n = LayoutBoxName(layout, box); holdsValue(box) && (!n.chn.isEmpty() || !n.por.isEmpty()))
                names << QStringList{page, qx::boxKindName(box.kind), box.field, n.chn, n.por}.join(u'\t');
        for (const auto& [field, n] : HeadingColumnNames(layout))
            names << QStringList{page, QStringLiteral("column"), field, n.chn, n.por}.join(u'\t');
    }
    QFile file(QStringLiteral(QX_TEST_DATA_DIR "/box-names.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList listed = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    for (const QString& line : listed)
        EXPECT_TRUE(names.contains(line)) << "no longer named so: " << line.toStdString();
    for (const QString& line : names)
        EXPECT_TRUE(listed.contains(line)) << "not in the listing: " << line.toStdString();
    EXPECT_EQ(names.size(), listed.size());
}

}  // namespace
