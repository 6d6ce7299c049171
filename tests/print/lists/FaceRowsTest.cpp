#include "print/forms/AssetListColumns.h"
#include "print/forms/FaceRows.h"
#include "print/forms/FaceSums.h"
#include "print/lists/AssetRows.h"
#include "support/DmFixture.h"

namespace {

class FaceRowsTest : public DmFixture {};

}  // namespace

// The rows of each face and the totals of the rows before it, on M/3 (sheet and face) and M/3A
// (page) lists of the lengths where the faces change.
TEST_F(FaceRowsTest, FindsEachFacesRowsAndSumsTheRowsBeforeIt)
{
    struct Case {
        bool m3;
        int rows, sheet, face;
        int first, last;  // expected
        int before;       // rows carried in
    };
    const Case cases[] = {
        {true, 0, 1, 1, 0, 0, 0},      // empty list: nothing, not even a last row
        {true, 12, 1, 1, 1, 12, 0},
        {true, 12, 1, 2, 0, 12, 12},   // a back without rows still has a last row
        {true, 13, 1, 2, 13, 13, 12},
        {true, 31, 2, 1, 0, 31, 31},
        {true, 50, 2, 1, 32, 50, 31},
        {true, 60, 2, 1, 32, 50, 31},  // stops before the back of sheet 2
        {true, 60, 2, 2, 51, 60, 50},
        {true, 100, 3, 1, 70, 88, 69},
        {false, 25, 1, 0, 1, 20, 0},
        {false, 25, 2, 0, 21, 25, 20},
        {false, 5, 2, 0, 0, 5, 5},
    };
    for (const Case& c : cases) {
        qx::ClientDataSet& list = c.m3 ? dm->cdsM3VCLF : dm->cdsM3AAli;
        LoadRows(list, c.rows);
        FaceOrdinal ordinal(list, c.m3);
        SumColumns columns(list, c.m3 ? M3SumFields() : M3AAliSumFields());
        FaceSums carried(columns.count());
        const FaceRows rows = ScanFaceRows(list, ordinal, ordinal.of(c.sheet, c.face), &columns, &carried);
        const QString where = QStringLiteral("%1 rows, face %2/%3").arg(c.rows).arg(c.sheet).arg(c.face);
        EXPECT_EQ(rows.first, c.first) << qPrintable(where);
        EXPECT_EQ(rows.last, c.last) << qPrintable(where);
        EXPECT_EQ(rows.hasRows(), c.first != 0) << qPrintable(where);
        EXPECT_EQ(carried.value(0), Units(SumTo(c.before, 1000))) << qPrintable(where);
        // M/3 column 3 is col1 - col2; M/3A column 6 is col1 - col2 + col4.
        EXPECT_EQ(carried.value(c.m3 ? 2 : 5), Units(SumTo(c.before, c.m3 ? 990 : 1090))) << qPrintable(where);
    }
}

// Label texts: thousands, negatives in parentheses, zero as "--- ", and the asterisks of a sum
// that left the currency range or took in a row value that overflowed; never a wrapped figure.
TEST_F(FaceRowsTest, SumsAreCheckedAndPrintAsTheirLabelsShowThem)
{
    FaceSums sums(3);
    sums.add(0, Units(1234567));
    sums.add(1, Units(-50));
    EXPECT_EQ(sums.text(0), QStringLiteral("1,234,567 "));
    EXPECT_EQ(sums.text(1), QStringLiteral("(50)"));
    EXPECT_EQ(sums.text(2), QStringLiteral("--- "));

    sums.add(2, qx::Currency::max());
    sums.add(2, Units(1));
    EXPECT_TRUE(sums.overflowed(2));
    EXPECT_EQ(sums.text(2), QStringLiteral("**********"));
    sums.add(2, Units(-2));  // coming back into range does not make the sum right again
    EXPECT_EQ(sums.text(2), QStringLiteral("**********"));
    FaceSums copy = sums;  // carried totals keep the mark
    EXPECT_TRUE(copy.overflowed(2));
    sums.clear();
    EXPECT_EQ(sums.text(2), QStringLiteral("--- "));

    // A row whose col3_mop overflowed (listed in its overflow_fields) makes column 3 unknown.
    LoadRows(dm->cdsM3VCLF, 2, [](int i) {
        RowValues v = AssetRow(i);
        if (i == 2)
            v[QStringLiteral("col1_mop")] = qx::Currency::max();
        v[QStringLiteral("col2_mop")] = Units(-1);
        return v;
    });
    SumColumns columns(dm->cdsM3VCLF, M3SumFields());
    FaceSums rows(columns.count());
    for (dm->cdsM3VCLF.first(); !dm->cdsM3VCLF.eof(); dm->cdsM3VCLF.next())
        columns.addCurrentRow(rows);
    EXPECT_TRUE(rows.overflowed(0));   // 1000 + max: out of range
    EXPECT_TRUE(rows.overflowed(2));   // max - (-1) overflowed in the row itself
    EXPECT_EQ(rows.text(1), QStringLiteral("(2)"));
}

