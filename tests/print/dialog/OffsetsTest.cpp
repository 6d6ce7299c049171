// Offsets: what the offset edits take and read, and the stored rows per page key, computer and
// printer, with the A3 sheets of M/1 under keys of their own and older shared rows still read.
#include "print/dialog/OffsetRoom.h"
#include "print/dialog/OffsetRows.h"
#include "print/dialog/OffsetText.h"
#include "support/DmFixture.h"

namespace {

qx::Currency C(const char* text) { return qx::Currency::parse(QString::fromLatin1(text)); }

TEST(OffsetText, KeysPassOnlyDigitsControlKeysAndOneSeparator)
{
    const struct {
        QChar key;
        const char* text;
        QChar sep;
        bool passes;
    } cases[] = {
        {u'7', "", u'.', true},   {u'.', "10", u'.', true},  {u'.', "10.5", u'.', false},
        {u',', "10", u'.', false}, {u',', "10", u',', true},  {u',', "1,5", u',', false},
        {u'.', "10", u',', false}, {u'-', "", u'.', false},   {u'a', "", u'.', false},
        {QChar(8), "1.5", u'.', true}, {QChar(9), "", u'.', true}, {QChar(13), "", u'.', true},
        {QChar(27), "", u'.', true}, {u' ', "", u'.', false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OffsetKeyPasses(c.key, QString::fromLatin1(c.text), c.sep), c.passes)
            << "key " << int(c.key.unicode()) << " on \"" << c.text << '"';
}

TEST(OffsetText, ReadsAndShowsPlainNumbersWithTheSeparator)
{
    EXPECT_EQ(ParseOffset("10", u'.'), C("10"));
    EXPECT_EQ(ParseOffset(" 10.5 ", u'.'), C("10.5"));
    EXPECT_EQ(ParseOffset("10,5", u','), C("10.5"));
    EXPECT_EQ(ParseOffset("0.123456", u'.'), C("0.1235"));
    EXPECT_EQ(ParseOffset("0.123449", u'.'), C("0.1234"));
    for (const char* bad : {"", " ", ".", "1.2.3", "abc", "10,5"})
        EXPECT_FALSE(ParseOffset(QString::fromLatin1(bad), u'.')) << bad;
    EXPECT_FALSE(ParseOffset("10.5", u','));
    EXPECT_EQ(FormatOffset(C("10"), u'.'), QStringLiteral("10"));
    EXPECT_EQ(FormatOffset(C("219.2"), u','), QStringLiteral("219,2"));
}

// Boxes reaching 5.8 mm left of the offsets' origin (a sheet's right half printed from its own
// margin) and 185.8 mm right of it, 21 to 262.2 mm below it, on A3 landscape and on A4 upright;
// the same a few hundredths off the tenths. A message gives each range from 0 at the least, its
// ends rounded inwards to the tenth.
TEST(OffsetRoom, EachEdgeMovesTheBoxesUpToThePapersEdges)
{
    const QRectF boxes(-5.8, 21, 191.6, 241.2);
    const QRectF off(-5.8292, 20.0071, 191.6, 241.2);
    const struct {
        QRectF boxes;
        QSizeF paper;
        OffsetEdge edge;
        const char* min;
        const char* max;
        const char* shownMin;  // nullptr: no offset holds, nothing to show
        const char* shownMax;
    } cases[] = {
        {boxes, {420, 297}, OffsetEdge::Left, "5.8", "234.2", "5.8", "234.2"},
        {boxes, {420, 297}, OffsetEdge::Top, "-21", "34.8", "0", "34.8"},
        {boxes, {210, 297}, OffsetEdge::Left, "5.8", "24.2", "5.8", "24.2"},
        {boxes, {297, 210}, OffsetEdge::Top, "-21", "-52.2", nullptr, nullptr},  // taller than the paper
        {off, {210, 297}, OffsetEdge::Left, "5.8292", "24.2292", "5.9", "24.2"},
        {off, {210, 297}, OffsetEdge::Top, "-20.0071", "35.7929", "0", "35.7"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.min << ' ' << c.max);
        const OffsetRange range = OffsetRangeOnPaper(c.boxes, c.paper, c.edge);
        EXPECT_EQ(range.min, C(c.min));
        EXPECT_EQ(range.max, C(c.max));
        if (!c.shownMin)
            continue;
        const OffsetRange shown = ShownOffsetRange(range);
        EXPECT_EQ(shown.min, C(c.shownMin));
        EXPECT_EQ(shown.max, C(c.shownMax));
    }
    const OffsetRange range = OffsetRangeOnPaper(boxes, {210, 297}, OffsetEdge::Left);
    EXPECT_TRUE(range.holds(C("5.8")) && range.holds(C("24.2")));
    EXPECT_FALSE(range.holds(C("5.7999")) || range.holds(C("24.2001")) || range.holds(C("1115")));
}

class OffsetRows : public DmFixture {
protected:
    void AddRow(const char* key, const char* computer, const char* printer, const char* top, const char* left)
    {
        auto& rows = dm->cdsPrnSetup;
        rows.append();
        rows.fieldByName(u"Rpt_ID").setAsString(QString::fromLatin1(key));
        rows.fieldByName(u"Computer_Name").setAsString(QString::fromLatin1(computer));
        rows.fieldByName(u"Printer_Name").setAsString(QString::fromLatin1(printer));
        rows.fieldByName(u"Top_Margin").setAsString(QString::fromLatin1(top));
        rows.fieldByName(u"Left_Margin").setAsString(QString::fromLatin1(left));
        rows.post();
    }
    std::optional<StoredOffsets> Find(int code, bool a4, const char* computer = "PC1", const char* printer = "P1")
    {
        return FindStoredOffsets(dm->cdsPrnSetup, {code, a4, computer, printer}, Defaults(code, a4));
    }
    // The default left offsets of the M/1 forms: the A3 front sheet sits on the paper's right
    // half, the A3 back sheet and the A4 pages start near the left edge.
    static SharedKeyDefaults Defaults(int code, bool a4)
    {
        const qx::Currency a3 = code == 1011 ? C("219.2") : C("8.5");
        return a4 ? SharedKeyDefaults{C("8.5"), a3} : SharedKeyDefaults{a3, C("8.5")};
    }
    QStringList Keys()
    {
        QStringList keys;
        for (const auto& row : dm->cdsPrnSetup.dataRows())
            if (const auto* key = std::get_if<QString>(&row[dm->cdsPrnSetup.fieldByName(u"Rpt_ID").index()]))
                keys << *key;
        return keys;
    }
};

TEST_F(OffsetRows, ARowServesOnlyItsPageComputerAndPrinter)
{
    AddRow("6011", "PC1", "P1", "3", "4.5");
    ASSERT_TRUE(Find(6011, false));
    EXPECT_EQ(Find(6011, false)->left, C("4.5"));
    EXPECT_FALSE(Find(6011, false, "PC2"));
    EXPECT_FALSE(Find(6011, false, "PC1", "P2"));
    EXPECT_FALSE(Find(6011, false, "pc1"));  // names match exactly
    EXPECT_FALSE(Find(6012, false));
    EXPECT_FALSE(Find(1014, true));
}

TEST_F(OffsetRows, A3SheetsKeepTheirOwnKeysAndReadOlderSharedRowsByTheirLeftOffset)
{
    EXPECT_EQ(OffsetKey(1011, false), QStringLiteral("1011-A3"));
    EXPECT_EQ(OffsetKey(1012, true), QStringLiteral("1012"));
    EXPECT_EQ(OffsetKey(1013, true), QStringLiteral("1013"));

    // An older folder: the A3 front sheet calibrated under 1011, an A4 page 1 on another
    // printer, and page 2 under 1012, whose A3 and A4 prints start at the same place.
    AddRow("1011", "PC1", "P1", "12", "220");
    AddRow("1011", "PC1", "P2", "12", "9");
    AddRow("1012", "PC1", "P1", "6", "9");
    EXPECT_EQ(Find(1011, false)->left, C("220"));
    EXPECT_FALSE(Find(1011, true));
    EXPECT_EQ(Find(1011, true, "PC1", "P2")->left, C("9"));
    EXPECT_FALSE(Find(1011, false, "PC1", "P2"));
    EXPECT_EQ(Find(1012, true)->left, C("9"));
    EXPECT_EQ(Find(1012, false)->left, C("9"));

    // Saving A4 page 1 moves the A3 row to the A3 key instead of overwriting it.
    StoreOffsets(dm->cdsPrnSetup, {1011, true, "PC1", "P1"}, Defaults(1011, true), {C("5"), C("8.5")});
    EXPECT_EQ(Find(1011, false)->left, C("220"));
    EXPECT_EQ(Find(1011, true)->left, C("8.5"));
    // Saving the A3 back sheet adds its own row; A4 page 2 keeps its row.
    StoreOffsets(dm->cdsPrnSetup, {1012, false, "PC1", "P1"}, Defaults(1012, false), {C("10"), C("7")});
    EXPECT_EQ(Find(1012, false)->left, C("7"));
    EXPECT_EQ(Find(1012, true)->left, C("9"));
    // Saving again edits the row.
    StoreOffsets(dm->cdsPrnSetup, {1012, false, "PC1", "P1"}, Defaults(1012, false), {C("10"), C("7.25")});
    EXPECT_EQ(Find(1012, false)->left, C("7.25"));
    QStringList keys = Keys();
    keys.removeAll(QString());  // the blank row of a new folder
    keys.sort();
    EXPECT_EQ(keys, (QStringList{"1011", "1011", "1011-A3", "1012", "1012-A3"}));
}

}  // namespace
