// The list editors' rules as plain functions: the depreciation proposal and the type column's
// first line; and every rate-table type as the list rows receive it.
#include "ListEditorFixture.h"

#include "core/check/StoredText.h"
#include "support/ModalScript.h"
#include "ui/dialogs/TFormSelectTaxas.h"

#include <QPushButton>
#include <QRadioButton>
#include "ui/editors/DepreciationProposal.h"
#include "ui/editors/TypeColumnLine.h"

namespace {

using qx::Currency;

Currency Amount(const char* text) { return Currency::parse(QString::fromLatin1(text)); }

TEST(DepreciationProposal, ExactProductToFourDecimalsTiesToEvenThenHalfUp)
{
    struct Case {
        const char* value;
        const char* rate;
        int months;
        const char* proposed;
    } cases[] = {
        {"120000", "10", 7, "7000"},  {"120000", "10", 0, "12000"}, {"120000", "10", -3, "12000"},
        {"1000", "3", 7, "18"},       // 17.5: half up
        {"49.985", "1", 12, "0"},     // 0.49985: to 0.4998 (even), then down
        {"49.995", "1", 12, "1"},     // 0.49995: to 0.5000 (even), then up
        {"100", "12.5", 1, "1"},      {"0", "10", 12, "0"},
        {"-1000", "3", 7, "-18"},     // a negative value: halves away from zero too
    };
    for (const Case& c : cases)
        EXPECT_EQ(ProposedDepreciation(Amount(c.value), Amount(c.rate), c.months), Amount(c.proposed))
            << c.value << " " << c.rate << " " << c.months;
    EXPECT_THROW(ProposedDepreciation(Currency::max(), Currency::max(), 12), qx::CurrencyOverflow);
}

TEST(TypeColumnLine, FirstLineOfA215PixelColumn)
{
    EXPECT_EQ(TypeColumnFirstLine(QStringLiteral("Edifícios industriais")), QStringLiteral("Edifícios industriais"));
    EXPECT_EQ(TypeColumnFirstLine(QStringLiteral("Edifícios\r\nindustriais")), QStringLiteral("Edifícios"));
    EXPECT_EQ(TypeColumnFirstLine(QString()), QString());
    // Wrapped at a blank, never wider than the column's 29 to 30 characters of Courier New.
    const QString longPor = QStringLiteral("Reservatórios metálicos para líquidos (incluindo combustíveis)");
    const QString first = TypeColumnFirstLine(longPor);
    EXPECT_TRUE(longPor.startsWith(first));
    EXPECT_GE(first.size(), 25);
    EXPECT_LE(first.size(), 30);
    EXPECT_EQ(longPor.at(first.size()), u' ');
    // One word wider than the column is broken inside; Chinese breaks anywhere.
    EXPECT_LE(TypeColumnFirstLine(QString(60, u'x')).size(), 30);
    const QString chinese = QString(40, QChar(0x6A13));
    const QString firstChinese = TypeColumnFirstLine(chinese);
    EXPECT_GE(firstChinese.size(), 12);
    EXPECT_LE(firstChinese.size(), 18);
}

class RateTypesInRows : public ListEditorFixture {};

// Every type of the rate table reaches a row cut to what Tipo holds, as the start of the type,
// by the ellipsis (in either language) and by leaving the Codigo column.
TEST_F(RateTypesInRows, EveryTypeFitsTheFieldAsTheStartOfItsFirstLine)
{
    qx::ClientDataSet& rates = dm->cdsTaxMaxReintAmor;
    qx::ClientDataSet& list = dm->cdsM3AAli;
    TListGridPage& page = *m3a->AliPage;
    const int tipoColumn = Column(page, "Tipo");
    const int size = list.fieldByName(u"Tipo").size();
    int cut = 0;
    for (int r = 1; r <= rates.recordCount(); ++r) {
        rates.setRecNo(r);
        if (rates.fieldByName(u"Is_Header").asBoolean())
            continue;
        for (bool chinese : {true, false}) {
            picker.recNo = r;
            picker.chinese = chinese;
            rates.setRecNo(r);
            const QString type = rates.fieldByName(chinese ? u"Tipo_Chn" : u"Tipo_Por").asString();
            page.GridEllipsisClick(tipoColumn);
            const QString stored = Text(list, "Tipo");
            EXPECT_EQ(stored, CutToFieldSize(TypeColumnFirstLine(type), size)) << r;
            EXPECT_TRUE(type.startsWith(stored)) << r;
            cut += stored.size() < type.size();
            dm->CancelWithoutQuestion(list);
        }
    }
    EXPECT_GT(cut, 30);  // most Portuguese types are longer than the field

    picker.chinese = false;
    rates.setRecNo(rates.recordCount());
    const QString code = Text(rates, "Codigo");
    const QString type = Text(rates, "Tipo_Por");
    list.append();
    list.fieldByName(u"Codigo").setAsString(code);
    page.GridColExit(Column(page, "Codigo"));
    EXPECT_EQ(Text(list, "Tipo"), CutToFieldSize(TypeColumnFirstLine(type), size));
    dm->CancelWithoutQuestion(list);
}

// The program's picker window serves the list pages: it lands on the code asked for, and its
// row and language come back.
TEST_F(RateTypesInRows, ThePickerWindowServesTheListPages)
{
    TFormSelectTaxas form(*dm);
    FormSelectTaxasPicker window(form);
    TListGridPage::SetRatePicker(&window);
    ModalScript script;
    script.then([&](QWidget&) {
        form.RadioButtonPortugues->click();
        form.btnOK->click();
    });
    qx::ClientDataSet& list = dm->cdsM3AAli;
    list.append();
    list.fieldByName(u"Codigo").setAsString(QStringLiteral("1.2"));
    m3a->AliPage->GridEllipsisClick(Column(*m3a->AliPage, "Codigo"));
    EXPECT_TRUE(script.done());
    EXPECT_FALSE(window.Chinese());
    EXPECT_EQ(dm->cdsTaxMaxReintAmor.recNo(), window.SelectedRecNo());
    EXPECT_EQ(Text(list, "Tipo"), QStringLiteral("Edifícios industriais"));
    dm->CancelWithoutQuestion(list);
    TListGridPage::SetRatePicker(&picker);
}

}  // namespace
