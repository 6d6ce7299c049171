// M/4 calculations: every input's effect on the row and column totals of tables 1 to 3, the
// exact 2 % and 3 % of table 2, the worked examples and overflow.
#include "core/calc/CalcPageFixture.h"

#include <deque>

namespace {

using qx::ClientDataSet;
using qx::Currency;

// The names a pattern with %1 for the row and %2 for the column gives for rows × columns.
QStringList Cells(const QString& pattern, std::initializer_list<int> rows, std::initializer_list<int> columns)
{
    QStringList out;
    for (int r : rows)
        for (int c : columns)
            out << pattern.arg(r).arg(c);
    return out;
}

const QString kTable1 = QStringLiteral("1_R%1_Col%2_Mop");

class M4Calc : public CalcPageFixture {
protected:
    // Adds a total to `effects`, its name kept alive in `names`.
    void Total(const QString& name, QStringList plus, QStringList minus)
    {
        names.push_back(name.toLatin1());
        effects.push_back({names.back().constData(), std::move(plus), std::move(minus)});
    }

    std::deque<QByteArray> names;
    std::vector<Effect> effects;
};

TEST_F(M4Calc, FrontPageInputsReachTheRowAndColumnTotalsWithTheirSign)
{
    for (int r = 1; r <= 4; ++r) {
        for (int c : {1, 3, 5, 7})
            Total(QStringLiteral("1_r%1_col%2_col%3_sum").arg(r).arg(c).arg(c + 1), Cells(kTable1, {r}, {c, c + 1}), {});
        Total(QStringLiteral("1_r%1_col9_col10_sum").arg(r), Cells(kTable1, {r}, {1, 2, 7, 8}),
              Cells(kTable1, {r}, {3, 4, 5, 6}));
    }
    for (int r = 5; r <= 7; ++r)
        Total(QStringLiteral("1_r%1_col10_mop").arg(r), Cells(kTable1, {r}, {2, 8}), Cells(kTable1, {r}, {4, 6}));
    for (int c : {4, 6, 8})
        Total(QStringLiteral("1_r8_col%1_mop").arg(c), Cells(kTable1, {1, 2, 3, 4, 5, 6, 7}, {c}), {});
    for (int r = 1; r <= 2; ++r)
        Total(QStringLiteral("2_r%1_col6_mop").arg(r),
              Cells(kTable1, {r}, {7, 8}) + Cells(QStringLiteral("2_R%1_Col%2_Mop"), {r}, {5}), {});
    Sweep(dm->cdsM4P1, effects);
}

TEST_F(M4Calc, BackPageInputsReachTheBlockTotalsWithTheirSign)
{
    const struct {
        const char* block;
        int totalRow;
        std::initializer_list<int> plusRows;
        std::initializer_list<int> minusRows;
    } blocks[] = {{"PRC", 4, {1, 2}, {3}}, {"PM", 4, {1, 2}, {3}}, {"PS", 5, {1, 3}, {2, 4}}};
    for (const auto& b : blocks) {
        const QString block = QString::fromLatin1(b.block);
        const QString input = QStringLiteral("3_") + block + QStringLiteral("_R%1_Col%2_Mop");
        const QString calc = QStringLiteral("3_") + block.toLower() + QStringLiteral("_r%1_col%2_mop");
        for (int r = 1; r < b.totalRow; ++r) {
            Total(calc.arg(r).arg(1), Cells(input, {r}, {2, 3}), {});
            Total(calc.arg(r).arg(4), Cells(input, {r}, {5, 6}), {});
        }
        for (int c : {2, 3, 5, 6})
            Total(calc.arg(b.totalRow).arg(c), Cells(input, b.plusRows, {c}), Cells(input, b.minusRows, {c}));
        Total(calc.arg(b.totalRow).arg(1), Cells(input, b.plusRows, {2, 3}), Cells(input, b.minusRows, {2, 3}));
        Total(calc.arg(b.totalRow).arg(4), Cells(input, b.plusRows, {5, 6}), Cells(input, b.minusRows, {5, 6}));
    }
    Sweep(dm->cdsM4P2, effects);
}

TEST_F(M4Calc, WorkedExamplesOfTheThreeTables)
{
    ClientDataSet& front = dm->cdsM4P1;
    PostField(front, "1_R2_Col1_Mop", QStringLiteral("100"));
    PostField(front, "1_R2_Col3_Mop", QStringLiteral("10"));
    PostField(front, "1_R2_Col5_Mop", QStringLiteral("5"));
    PostField(front, "1_R2_Col7_Mop", QStringLiteral("20"));
    EXPECT_EQ(Amount(front, "1_r2_col1_col2_sum"), Currency::fromUnits(100));
    EXPECT_EQ(Amount(front, "1_r2_col9_mop"), Currency::fromUnits(105));
    EXPECT_EQ(Amount(front, "1_r2_col10_mop"), Currency());
    EXPECT_EQ(Amount(front, "1_r2_col9_col10_sum"), Currency::fromUnits(105));

    PostField(front, "1_R6_Col8_Mop", QStringLiteral("7"));
    EXPECT_EQ(Amount(front, "1_r6_col10_mop"), Currency::fromUnits(7));
    EXPECT_EQ(Amount(front, "1_r8_col8_mop"), Currency::fromUnits(7));

    PostField(front, "2_R1_Col1_Mop", QStringLiteral("1000"));
    PostField(front, "2_R2_Col1_Mop", QStringLiteral("1000"));
    EXPECT_EQ(Amount(front, "2_r1_col3_mop"), Currency::fromUnits(20));
    EXPECT_EQ(Amount(front, "2_r2_col3_mop"), Currency::fromUnits(30));
    PostField(front, "1_R1_Col7_Mop", QStringLiteral("3"));
    PostField(front, "1_R1_Col8_Mop", QStringLiteral("4"));
    PostField(front, "2_R1_Col5_Mop", QStringLiteral("10"));
    EXPECT_EQ(Amount(front, "2_r1_col4_mop"), Currency::fromUnits(7));
    EXPECT_EQ(Amount(front, "2_r1_col6_mop"), Currency::fromUnits(17));
    EXPECT_EQ(Amount(front, "1_r8_col8_mop"), Currency::fromUnits(11));

    ClientDataSet& back = dm->cdsM4P2;
    PostField(back, "3_PS_R1_Col2_Mop", QStringLiteral("10"));
    PostField(back, "3_PS_R2_Col2_Mop", QStringLiteral("4"));
    PostField(back, "3_PS_R3_Col2_Mop", QStringLiteral("3"));
    PostField(back, "3_PS_R4_Col2_Mop", QStringLiteral("1"));
    EXPECT_EQ(Amount(back, "3_ps_r5_col2_mop"), Currency::fromUnits(8));
    EXPECT_EQ(Amount(back, "3_ps_r5_col1_mop"), Currency::fromUnits(8));
}

// The rates are applied exactly, to the ten-thousandth; a product with more decimals rounds half
// away from zero.
TEST_F(M4Calc, RateProductsAreExactToTheTenThousandth)
{
    const struct {
        const char* input;
        const char* amount;
        const char* product;
    } cases[] = {
        {"2_R1_Col1_Mop", "1234", "24.68"},
        {"2_R2_Col1_Mop", "1234", "37.02"},
        {"2_R1_Col1_Mop", "123456789012345.6789", "2469135780246.9136"},
        {"2_R2_Col1_Mop", "123456789012345.6789", "3703703670370.3704"},
        {"2_R2_Col1_Mop", "922337203685477.5807", "27670116110564.3274"},
        {"2_R1_Col1_Mop", "0.0025", "0.0001"},
        {"2_R1_Col1_Mop", "0.0024", "0"},
        {"2_R1_Col1_Mop", "-0.0025", "-0.0001"},
        {"2_R2_Col1_Mop", "0.005", "0.0002"},
        {"2_R2_Col1_Mop", "-922337203685477.5808", "-27670116110564.3274"},
    };
    ClientDataSet& page = dm->cdsM4P1;
    for (const auto& c : cases) {
        PostField(page, c.input, QString::fromLatin1(c.amount));
        const char* product = c.input[3] == '1' ? "2_r1_col3_mop" : "2_r2_col3_mop";
        EXPECT_EQ(Amount(page, product), Currency::parse(QString::fromLatin1(c.product))) << c.input << " " << c.amount;
        EXPECT_EQ(Overflowed(page), QString());
    }
}

TEST_F(M4Calc, OverflowedCellFlagsTheCellsBuiltOnIt)
{
    ClientDataSet& page = dm->cdsM4P1;
    PostField(page, "1_R1_Col1_Mop", kNearLimit);
    PostField(page, "1_R1_Col7_Mop", kNearLimit);
    PostField(page, "1_R1_Col2_Mop", QStringLiteral("6"));
    EXPECT_EQ(Amount(page, "1_r1_col9_mop"), Currency());
    EXPECT_TRUE(Flagged(page, "1_r1_col9_col10_sum"));
    EXPECT_EQ(Amount(page, "1_r1_col7_col8_sum"), Currency::parse(kNearLimit));
    EXPECT_TRUE(Overflowed(page).startsWith(QStringLiteral("/1_r1_col9_mop//1_r1_col9_col10_sum/"))) << qPrintable(Overflowed(page));
    EXPECT_EQ(page.fieldByName(u"1_r1_col9_mop").displayText(), QStringLiteral("**********"));

    // A column total over the rows, and table 2 carrying the overflowed pair flagged.
    PostField(page, "1_R1_Col8_Mop", kNearLimit);
    PostField(page, "1_R5_Col8_Mop", kNearLimit);
    for (const char* cell : {"1_r1_col7_col8_sum", "2_r1_col4_mop", "1_r8_col8_mop", "1_r1_col9_mop", "1_r1_col9_col10_sum"})
        EXPECT_TRUE(Flagged(page, cell)) << cell;

    ClientDataSet& back = dm->cdsM4P2;
    PostField(back, "3_PM_R1_Col5_Mop", kNearLimit);
    PostField(back, "3_PM_R2_Col5_Mop", kNearLimit);
    PostField(back, "3_PM_R1_Col6_Mop", QStringLiteral("2"));
    EXPECT_EQ(Amount(back, "3_pm_r4_col5_mop"), Currency());
    EXPECT_EQ(Amount(back, "3_pm_r4_col6_mop"), Currency::fromUnits(2));
    EXPECT_TRUE(Flagged(back, "3_pm_r4_col4_mop"));
    EXPECT_TRUE(Overflowed(back).startsWith(QStringLiteral("/3_pm_r4_col5_mop/"))) << qPrintable(Overflowed(back));
}

TEST_F(M4Calc, RowThreeOfTableOneReachesTheBankingAnexoA)
{
    PostField(dm->cdsM4P1, "1_R3_Col7_Mop", QStringLiteral("3"));
    PostField(dm->cdsM4P1, "1_R3_Col8_Mop", QStringLiteral("2"));
    dm->cdsAnexoABankP1.refresh();
    EXPECT_EQ(Amount(dm->cdsAnexoABankP1, "i_r8_mop"), Currency::fromUnits(5));
    EXPECT_EQ(Amount(dm->cdsAnexoABankP1, "i_r16_mop"), Currency::fromUnits(-5));
}

}  // namespace
