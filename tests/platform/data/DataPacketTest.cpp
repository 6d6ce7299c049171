// Data packet bytes: writing rows and reading them back, the encodings, tolerated variations
// and refused input.
#include "ClientDataSetTestSupport.h"
#include "platform/data/DataPacket.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <cstdint>
#include <limits>

using namespace qx;

namespace {

using qxtest::def;
using qxtest::Rows;

// One field of every type, names as the catalogue has them (some start with a digit).
std::vector<FieldDef> everyTypeDefs()
{
    return {def("Id", FieldType::AutoInc),       def("Nome", FieldType::String, 40),
            def("1_R1_Col1_Mop", FieldType::Currency), def("Qty", FieldType::Integer),
            def("Big", FieldType::LargeInt),     def("Flag", FieldType::Boolean),
            def("Dt", FieldType::Date),          def("Stamp", FieldType::DateTime)};
}

Rows roundTrip(const std::vector<FieldDef>& defs, const Rows& rows)
{
    return DataPacket::parse(DataPacket::serialize(defs, rows), defs, QStringLiteral("rt.xml"));
}

QByteArray big5(const char* utf8)
{
    return Big5::encode(QString::fromUtf8(utf8));
}

// The message of the DataPacketError that parsing `bytes` raises; fails the test when none.
std::string parseError(const QByteArray& bytes, const std::vector<FieldDef>& defs)
{
    try {
        DataPacket::parse(bytes, defs, QStringLiteral("/folder/M1P2.xml"));
    } catch (const DataPacketError& e) {
        return e.what();
    }
    ADD_FAILURE() << "no error for: " << bytes.left(200).toStdString();
    return {};
}

QByteArray packet(const QByteArray& fields, const QByteArray& rows)
{
    return "<?xml version=\"1.0\" standalone=\"yes\"?>\r\n<DATAPACKET Version=\"2.0\"><METADATA><FIELDS>" + fields
        + "</FIELDS><PARAMS/></METADATA><ROWDATA>" + rows + "</ROWDATA></DATAPACKET>";
}

const QByteArray kEveryTypeFields =
    "<FIELD attrname=\"Id\" fieldtype=\"i4\" SUBTYPE=\"Autoinc\"/>"
    "<FIELD attrname=\"Nome\" fieldtype=\"string\" WIDTH=\"40\"/>"
    "<FIELD attrname=\"1_R1_Col1_Mop\" fieldtype=\"r8\" SUBTYPE=\"Money\"/>"
    "<FIELD attrname=\"Qty\" fieldtype=\"i4\"/>"
    "<FIELD attrname=\"Big\" fieldtype=\"i8\"/>"
    "<FIELD attrname=\"Flag\" fieldtype=\"boolean\"/>"
    "<FIELD attrname=\"Dt\" fieldtype=\"date\"/>"
    "<FIELD attrname=\"Stamp\" fieldtype=\"dateTime\"/>";

}  // namespace

TEST(DataPacketWrite, LayoutTypeNamesAndValueForms)
{
    const Rows rows = {{std::int32_t(1), QStringLiteral("A"), Currency::fromRaw(12345000), std::int32_t(-7),
                        std::int64_t(9000000000LL), true, QDate(2003, 1, 9),
                        QDateTime(QDate(2003, 12, 31), QTime(23, 5, 7, 42))},
                       {std::int32_t(2), {}, {}, {}, {}, false, {}, {}}};
    const QByteArray bytes = DataPacket::serialize(everyTypeDefs(), rows);

    EXPECT_TRUE(bytes.startsWith("<?xml version=\"1.0\" standalone=\"yes\"?>\r\n"));
    EXPECT_TRUE(bytes.contains("<DATAPACKET Version=\"2.0\"><METADATA><FIELDS>"));
    EXPECT_TRUE(bytes.contains("<FIELD attrname=\"Id\" fieldtype=\"i4\" SUBTYPE=\"Autoinc\"/>"));
    EXPECT_TRUE(bytes.contains("<FIELD attrname=\"Nome\" fieldtype=\"string\" WIDTH=\"40\"/>"));
    EXPECT_TRUE(bytes.contains("<FIELD attrname=\"1_R1_Col1_Mop\" fieldtype=\"r8\" SUBTYPE=\"Money\"/>"));
    EXPECT_TRUE(bytes.contains("<FIELD attrname=\"Big\" fieldtype=\"i8\"/>"));
    EXPECT_TRUE(bytes.contains("<FIELD attrname=\"Flag\" fieldtype=\"boolean\"/>"));
    EXPECT_TRUE(bytes.contains("<FIELD attrname=\"Stamp\" fieldtype=\"dateTime\"/>"));
    EXPECT_TRUE(bytes.contains("<PARAMS/></METADATA><ROWDATA>"));
    EXPECT_TRUE(bytes.contains("<ROW Id=\"1\" Nome=\"A\" 1_R1_Col1_Mop=\"1234.5\" Qty=\"-7\" Big=\"9000000000\" "
                               "Flag=\"TRUE\" Dt=\"20030109\" Stamp=\"20031231T23:05:07042\"/>"));
    // Nulls are left out.
    EXPECT_TRUE(bytes.contains("<ROW Id=\"2\" Flag=\"FALSE\"/>"));
    EXPECT_TRUE(bytes.trimmed().endsWith("</ROWDATA></DATAPACKET>"));
    EXPECT_FALSE(bytes.contains("encoding"));
}

TEST(DataPacketWrite, OnlyDataFieldsAreWritten)
{
    std::vector<FieldDef> defs = {def("A", FieldType::Integer), def("calc", FieldType::Currency),
                                  def("B", FieldType::Integer)};
    defs[1].kind = FieldKind::Calculated;
    const QByteArray bytes = DataPacket::serialize(defs, {{std::int32_t(1), std::int32_t(2)}});
    EXPECT_FALSE(bytes.contains("calc"));
    EXPECT_TRUE(bytes.contains("<ROW A=\"1\" B=\"2\"/>"));
    const Rows back = DataPacket::parse(bytes, defs, QStringLiteral("x.xml"));
    EXPECT_EQ(back, (Rows{{std::int32_t(1), std::int32_t(2)}}));
}

TEST(DataPacketWrite, TextEscapesAndBig5)
{
    const std::vector<FieldDef> defs = {def("T", FieldType::String, 200)};
    const QString text = QStringLiteral("<a> & 'b' \"c\"\r\n\tx\\y");
    const QByteArray bytes = DataPacket::serialize(defs, {{text}});
    EXPECT_TRUE(bytes.contains("T=\"&lt;a&gt; &amp; &apos;b&apos; &quot;c&quot;&#013;&#010;&#009;x&#092;y\""));

    // Chinese in Big5 bytes; what Big5 cannot hold as numeric references.
    const QByteArray mixed = DataPacket::serialize(defs, {{QString::fromUtf8("中文 Conceição €")}});
    EXPECT_TRUE(mixed.contains("T=\"\xA4\xA4\xA4\xE5 Concei&#231;&#227;o \xA3\xE1\""));
}

TEST(DataPacketWrite, RefusesValuesThatWouldNotReadBack)
{
    const auto fails = [](const std::vector<FieldDef>& defs, const Rows& rows, const char* part) {
        try {
            DataPacket::serialize(defs, rows);
            ADD_FAILURE() << "no error, expected " << part;
        } catch (const DataPacketError& e) {
            EXPECT_NE(std::string(e.what()).find(part), std::string::npos) << e.what();
        }
    };
    // Chinese counts two bytes a character.
    fails({def("Name", FieldType::String, 5)}, {{QString::fromUtf8("中文字")}}, "6 bytes long, the field holds 5");
    fails({def("D", FieldType::Date)}, {{QDate(10000, 1, 1)}}, "outside the years 1 to 9999");
    fails({def("N", FieldType::Integer)}, {{QStringLiteral("12")}}, "another type");
    fails({def("N", FieldType::Integer)}, {{std::int32_t(1), std::int32_t(2)}}, "row 1 holds 2 values for 1 fields");
    fails({def("bad name", FieldType::Integer)}, {}, "cannot be written");
}

TEST(DataPacketRoundTrip, EveryTypeWithNullsAndExtremes)
{
    const auto i32min = std::numeric_limits<std::int32_t>::min();
    const auto i32max = std::numeric_limits<std::int32_t>::max();
    const auto i64min = std::numeric_limits<std::int64_t>::min();
    const auto i64max = std::numeric_limits<std::int64_t>::max();
    const Rows rows = {
        {std::int32_t(1), QString(), Currency::fromRaw(0), std::int32_t(0), std::int64_t(0), false,
         QDate(1, 1, 1), QDateTime(QDate(1899, 12, 30), QTime(0, 0))},
        {std::int32_t(i32max), QStringLiteral("x"), Currency::max(), i32max, i64max, true, QDate(9999, 12, 31),
         QDateTime(QDate(9999, 12, 31), QTime(23, 59, 59, 999))},
        {std::int32_t(i32min), {}, Currency::min(), i32min, i64min, {}, QDate(2000, 2, 29), {}},
        {{}, {}, Currency::fromRaw(-1), {}, {}, {}, {}, QDateTime(QDate(2024, 2, 29), QTime(12, 0, 0, 1))},
        {{}, {}, {}, {}, {}, {}, {}, {}},
    };
    EXPECT_EQ(roundTrip(everyTypeDefs(), rows), rows);
    EXPECT_TRUE(roundTrip(everyTypeDefs(), {}).empty());
}

TEST(DataPacketRoundTrip, TextOfEveryKind)
{
    const std::vector<FieldDef> defs = {def("1_Obs_Chn", FieldType::String, 400), def("2_Obs_Por", FieldType::String, 400)};
    const Rows rows = {
        // Big5 trail bytes 0x5C and 0x7C: 許 功 稅.
        {QString::fromUtf8("翠嶺許功稅資料表（正面）"), QString::fromUtf8("Informações do Sector Bancário ÀÉÍÕÚçãõâê")},
        {QStringLiteral("< > & ' \" \r \n \t \\ end"), QString::fromUtf8("a\r\nb\n\nc\td  ")},
        {QString::fromUtf8("€ £ ¥ ° ± × ÷ “quoted” — 𠀀 emoji 😀"), QStringLiteral(" ")},
        {QStringLiteral("\x7f\u0085 control"), QString()},
        {{}, QStringLiteral("")},
    };
    EXPECT_EQ(roundTrip(defs, rows), rows);
}

TEST(DataPacketRead, HandWrittenBig5PacketWithVariations)
{
    // Names in other letter case, a RowState, unknown attributes and an unknown FIELD, no PARAMS,
    // white space and line breaks between elements, a FIELD of the dataset missing (reads null),
    // comments, single quotes and references of every form.
    const QByteArray bytes =
        "<?xml version=\"1.0\" standalone=\"yes\"?>\r\n"
        "<DATAPACKET Version=\"2.0\">\r\n  <METADATA>\r\n    <FIELDS>\r\n"
        "      <FIELD attrname=\"ID\" fieldtype=\"i4\" SUBTYPE=\"Autoinc\"/>\r\n"
        "      <FIELD attrname=\"nome\" fieldtype=\"string\" WIDTH=\"40\" required=\"true\"/>\r\n"
        "      <FIELD attrname=\"Legacy\" fieldtype=\"bin.hex\" SUBTYPE=\"Binary\"/>\r\n"
        "      <FIELD attrname=\"1_r1_col1_mop\" fieldtype=\"r8\" SUBTYPE=\"Money\"/>\r\n"
        "      <FIELD\tattrname='Flag'\nfieldtype='BOOLEAN'/>\r\n"
        "    </FIELDS>\r\n  </METADATA>\r\n  <!-- saved by hand -->\r\n  <ROWDATA>\r\n"
        "    <ROW RowState=\"4\" ID=\"1\" nome=\"" + big5("中文翠嶺許功稅") + "\" Legacy=\"AAEC\" 1_r1_col1_mop=\"-12.3456\" Flag=\"true\"/>\r\n"
        "    <ROW RowState=\"8\" Extra=\"?\" ID=\"2\" nome=\"&#67;&#x6f;n&#xE7;&#227;o &lt;&#092;&gt;\"/>\r\n"
        "    <ROW ID = '3' 1_R1_COL1_MOP=\"0\" ></ROW>\r\n"
        "  </ROWDATA>\r\n</DATAPACKET>\r\n";
    const std::vector<FieldDef> defs = {def("Id", FieldType::AutoInc), def("Nome", FieldType::String, 40),
                                        def("1_R1_Col1_Mop", FieldType::Currency), def("Flag", FieldType::Boolean),
                                        def("Missing", FieldType::Date)};
    const Rows rows = DataPacket::parse(bytes, defs, QStringLiteral("hand.xml"));
    const Rows expected = {
        {std::int32_t(1), QString::fromUtf8("中文翠嶺許功稅"), Currency::fromRaw(-123456), true, {}},
        {std::int32_t(2), QString::fromUtf8("Conção <\\>"), {}, {}, {}},
        {std::int32_t(3), {}, Currency::fromRaw(0), {}, {}},
    };
    EXPECT_EQ(rows, expected);
}

TEST(DataPacketRead, DeclaredEncodings)
{
    const std::vector<FieldDef> defs = {def("T", FieldType::String, 40)};
    const QByteArray body = "<DATAPACKET Version=\"2.0\"><METADATA><FIELDS><FIELD attrname=\"T\" fieldtype=\"string\" "
                            "WIDTH=\"40\"/></FIELDS></METADATA><ROWDATA><ROW T=\"";
    const QByteArray tail = "\"/></ROWDATA></DATAPACKET>";
    const QString text = QString::fromUtf8("中文 Conceição");

    const QByteArray utf8 = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>" + body + text.toUtf8() + tail;
    EXPECT_EQ(DataPacket::parse(utf8, defs, QStringLiteral("u.xml")), (Rows{{text}}));
    // A byte order mark alone means UTF-8.
    const QByteArray bom = "\xEF\xBB\xBF<?xml version=\"1.0\"?>" + body + text.toUtf8() + tail;
    EXPECT_EQ(DataPacket::parse(bom, defs, QStringLiteral("b.xml")), (Rows{{text}}));
    // Any encoding iconv knows.
    const QByteArray latin1 = "<?xml version='1.0' encoding='ISO-8859-1'?>" + body + QByteArray("Concei\xE7\xE3o") + tail;
    EXPECT_EQ(DataPacket::parse(latin1, defs, QStringLiteral("l.xml")), (Rows{{QString::fromUtf8("Conceição")}}));
    // No declaration: Big5.
    const QByteArray plain = "<?xml version=\"1.0\" standalone=\"yes\"?>" + body + big5("中文") + tail;
    EXPECT_EQ(DataPacket::parse(plain, defs, QStringLiteral("p.xml")), (Rows{{QString::fromUtf8("中文")}}));
}

TEST(DataPacketRead, TypeNamesTheFileMayUse)
{
    // "i4" serves auto-increment and integer alike; "r8" without "Money" holds amounts too.
    const std::vector<FieldDef> defs = {def("A", FieldType::AutoInc), def("I", FieldType::Integer),
                                        def("C", FieldType::Currency)};
    const QByteArray bytes = packet("<FIELD attrname=\"A\" fieldtype=\"i4\"/><FIELD attrname=\"I\" fieldtype=\"i4\" "
                                    "SUBTYPE=\"Autoinc\"/><FIELD attrname=\"C\" fieldtype=\"r8\"/>",
                                    "<ROW A=\"5\" I=\"6\" C=\"0.5\"/>");
    EXPECT_EQ(DataPacket::parse(bytes, defs, QStringLiteral("t.xml")),
              (Rows{{std::int32_t(5), std::int32_t(6), Currency::fromRaw(5000)}}));
}

TEST(DataPacketRead, BadValuesNameTheFieldAndPlace)
{
    const auto defs = everyTypeDefs();
    struct Case {
        const char* row;
        const char* expected;
    };
    const Case cases[] = {
        {"<ROW Qty=\"2147483648\"/>", "not a 32-bit integer"},
        {"<ROW Qty=\"-2147483649\"/>", "not a 32-bit integer"},
        {"<ROW Id=\"99999999999\"/>", "not a 32-bit integer"},
        {"<ROW Qty=\"12a\"/>", "not a 32-bit integer"},
        {"<ROW Qty=\"\"/>", "not a 32-bit integer"},
        {"<ROW Big=\"9223372036854775808\"/>", "not a 64-bit integer"},
        {"<ROW Big=\"-9223372036854775809\"/>", "not a 64-bit integer"},
        {"<ROW 1_R1_Col1_Mop=\"922337203685477.5808\"/>", "currency range"},
        {"<ROW 1_R1_Col1_Mop=\"-922337203685477.5809\"/>", "currency range"},
        {"<ROW 1_R1_Col1_Mop=\"9.3E+14\"/>", "currency range"},
        {"<ROW 1_R1_Col1_Mop=\"1E\"/>", "currency range"},
        {"<ROW 1_R1_Col1_Mop=\"1.2.3\"/>", "currency range"},
        {"<ROW Flag=\"yes\"/>", "not TRUE or FALSE"},
        {"<ROW Dt=\"20230230\"/>", "not a date"},
        {"<ROW Dt=\"00000101\"/>", "not a date"},
        {"<ROW Dt=\"2023-01-01\"/>", "not a date"},
        {"<ROW Stamp=\"20230101T24:00:00000\"/>", "not a date and time"},
        {"<ROW Stamp=\"20230101T10:60:00000\"/>", "not a date and time"},
        {"<ROW Stamp=\"20230101T10:00:60000\"/>", "not a date and time"},
        {"<ROW Stamp=\"20230101\"/>", "not a date and time"},
        {"<ROW Nome=\"" "12345678901234567890123456789012345678901\"/>", "is 41 bytes long, the field holds 40"},
        {"<ROW Qty=\"1\" qty=\"2\"/>", "given twice"},
        {"<ROW Nome=\"a&b\"/>", "'&' not followed by a reference"},
        {"<ROW Nome=\"&nbsp;\"/>", "bad reference &nbsp;"},
        {"<ROW Nome=\"&#xD800;\"/>", "bad reference"},
        {"<ROW Nome=\"&#1114112;\"/>", "bad reference"},
        {"<ROW Nome=\"&#;\"/>", "bad reference"},
        // Characters no text of a file holds.
        {"<ROW Nome=\"a&#0;\"/>", "character U+0000"},
        {"<ROW Nome=\"&#1;\"/>", "character U+0001"},
        {"<ROW Nome=\"&#27;\"/>", "character U+001B"},
        {"<ROW Nome=\"&#xFFFF;\"/>", "character U+FFFF"},
        {"<ROW Nome=\"&#xFDD0;\"/>", "character U+FDD0"},
        {"<ROW Nome=\"&#x10FFFE;\"/>", "character U+10FFFE"},
        // Elements out of their places: a misspelt row would be dropped unseen.
        {"<ROWX Id=\"1\"/>", "<ROWX> found where <ROW> was expected"},
        {"<ROW Id=\"1\"><ROW Id=\"2\"/></ROW>", "found where the end of the <ROW> was expected"},
    };
    for (const Case& c : cases) {
        const std::string message = parseError(packet(kEveryTypeFields, QByteArray("\r\n") + c.row), defs);
        EXPECT_NE(message.find(c.expected), std::string::npos) << c.row << " -> " << message;
        EXPECT_NE(message.find("/folder/M1P2.xml"), std::string::npos) << message;
        EXPECT_NE(message.find("line 3, column "), std::string::npos) << message;
    }
    // Chinese counts two bytes: 21 characters are 42 bytes.
    const std::string wide = parseError(
        packet(kEveryTypeFields, "<ROW Nome=\"" + big5("中中中中中中中中中中中中中中中中中中中中中") + "\"/>"), defs);
    EXPECT_NE(wide.find("42 bytes long"), std::string::npos) << wide;
}

TEST(DataPacketRead, BadStructureAndTypes)
{
    const std::vector<FieldDef> defs = {def("Id", FieldType::Integer), def("Nome", FieldType::String, 10)};
    const QByteArray good = packet("<FIELD attrname=\"Id\" fieldtype=\"i4\"/>", "<ROW Id=\"1\"/>");
    struct Case {
        QByteArray bytes;
        const char* expected;
    };
    const Case cases[] = {
        {"", "line 1, column 1: the file is empty"},
        {"   \r\n ", "holds no element"},
        {good.left(good.size() - 13), "<DATAPACKET> is not closed"},
        {good.left(good.indexOf("Id=\"1") + 4), "unterminated value"},
        {good.left(good.indexOf("<ROW") + 3), "end of file"},
        {QByteArray("\x00\x01\x02\x03", 4) + good, "line 1, column 1: invalid character U+0000"},
        {QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF") + good, "line 1, column 1: bytes that are not valid CP950"},
        {"<?xml version=\"1.0\"?><DATAPACKET><METADATA><FIELDS></METADATA></DATAPACKET>",
         "end tag </METADATA> does not match <FIELDS>"},
        {good + "<DATAPACKET/>", "after the end of the root"},
        {good + "trailing", "text outside the root element"},
        {"<?xml version=\"1.0\"?><ROWDATA></ROWDATA>", "<ROWDATA> found where <DATAPACKET> was expected"},
        {"<?xml version=\"1.0\"?><DATAPACKET><ROWDATA/></DATAPACKET>", "<ROWDATA> before the field list"},
        {"<?xml version=\"1.0\"?><DATAPACKET Version=\"2.0\"/>", "no field list"},
        {"<?xml version=\"1.0\"?><DATAPACKET>text<METADATA/></DATAPACKET>", "unexpected text"},
        {"<?xml version=\"1.0\"?><!DOCTYPE x><DATAPACKET/>", "unsupported markup"},
        {"<?xml version=\"1.0\"?><DATAPACKET><!-- open", "unterminated comment"},
        {"<?xml version=\"1.0\"?><DATAPACKET a=b/>", "quoted value expected"},
        {"<?xml version=\"1.0\"?><DATAPACKET a/>", "'=' expected"},
        {"<?xml version=\"1.0\"?><DATAPACKET a=\"<\"/>", "'<' in the value"},
        {"<?xml version=\"1.0\"?></DATAPACKET>", "without a start tag"},
        {"<?xml version=\"1.0\" encoding=\"NO-SUCH-CODE\"?><DATAPACKET/>", "unknown encoding \"NO-SUCH-CODE\""},
        {"<?xml version=\"1.0\" encoding=\"UTF-8//IGNORE\"?><DATAPACKET/>", "names no valid encoding"},
        {"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<DATAPACKET a=\"\xC3\x28\"/>", "line 2, column 16: bytes that are not valid UTF-8"},
        {packet("<FIELD attrname=\"Id\" fieldtype=\"i2\"/>", ""), "unknown field type \"i2\""},
        {packet("<FIELD attrname=\"Id\" fieldtype=\"string\" WIDTH=\"10\"/>", ""),
         "is of type \"string\" in the file, but \"i4\" is expected"},
        {packet("<FIELD attrname=\"Nome\" fieldtype=\"r8\" SUBTYPE=\"Money\"/>", ""), "but \"string\" is expected"},
        {packet("<FIELD attrname=\"Id\" fieldtype=\"i4\"/><FIELD attrname=\"ID\" fieldtype=\"i4\"/>", ""),
         "listed twice"},
        {packet("<FIELD fieldtype=\"i4\"/>", ""), "without attrname"},
        {packet("<FIELD attrname=\"Id\"/>", ""), "without fieldtype"},
        {packet("<FIELD attrname=\"Id\" fieldtype=\"i4\"/>", "<ROW Id=\"1\"/></ROWDATA><ROWDATA>"), "a second <ROWDATA>"},
    };
    for (const Case& c : cases) {
        const std::string message = parseError(c.bytes, defs);
        EXPECT_NE(message.find(c.expected), std::string::npos) << c.bytes.left(120).toStdString() << " -> " << message;
        EXPECT_EQ(message.rfind("File \"/folder/M1P2.xml\", line ", 0), 0u) << message;
    }
}

TEST(DataPacketRead, AmountsAsAFloatingPointWriterPutsThemLoadRounded)
{
    const std::vector<FieldDef> defs = {def("C", FieldType::Currency)};
    const struct {
        const char* text;
        std::int64_t raw;
    } cases[] = {
        {"1.23456", 12346},  {"1.23455", 12346},        {"-1.23455", -12346},         {"1.23454999", 12345},
        {"1E5", 1000000000}, {"1.5e+3", 15000000},       {"-2.5E-3", -25},            {"5E-5", 1},
        {"4.9E-5", 0},       {"1.2345678901234E+14", 1234567890123400000}, {"+7.00000", 70000},
    };
    for (const auto& c : cases) {
        const QByteArray bytes = packet("<FIELD attrname=\"C\" fieldtype=\"r8\" SUBTYPE=\"Money\"/>",
                                        QByteArray("<ROW C=\"") + c.text + "\"/>");
        EXPECT_EQ(DataPacket::parse(bytes, defs, QStringLiteral("f.xml")), (Rows{{Currency::fromRaw(c.raw)}})) << c.text;
    }
}

TEST(DataPacketRead, AValueOfAFieldTheFieldListLeavesOutIsRefused)
{
    // The dataset knows the field, the file's field list lost it: its values would be dropped.
    const std::vector<FieldDef> defs = {def("Id", FieldType::Integer), def("Nome", FieldType::String, 40)};
    const std::string lost = parseError(packet("<FIELD attrname=\"Id\" fieldtype=\"i4\"/>", "<ROW Id=\"1\" Nome=\"x\"/>"), defs);
    EXPECT_NE(lost.find("\"Nome\", which the field list does not declare"), std::string::npos) << lost;
    EXPECT_FALSE(parseError(packet("", "<ROW Id=\"1\"/>"), defs).empty());
    EXPECT_NE(parseError(packet(kEveryTypeFields, "").replace("ROWDATA", "ROWDATAX"), everyTypeDefs()).find("<ROWDATAX> found"),
              std::string::npos);
    // A field neither knows stays tolerated, as a RowState does.
    EXPECT_EQ(DataPacket::parse(packet("<FIELD attrname=\"Id\" fieldtype=\"i4\"/>", "<ROW RowState=\"4\" Id=\"1\" Outro=\"x\"/>"),
                                defs, QStringLiteral("t.xml")),
              (Rows{{std::int32_t(1), {}}}));
}

TEST(DataPacketRead, TheShapeOfTheRowsIsCheckedAsTheyAreRead)
{
    const std::vector<FieldDef> defs = {def("Rec_AID", FieldType::AutoInc), def("Nome", FieldType::String, 40)};
    const QByteArray fields = "<FIELD attrname=\"Rec_AID\" fieldtype=\"i4\" SUBTYPE=\"Autoinc\"/>";
    const auto shapeError = [&](const QByteArray& rows, const PacketShape& shape, const QByteArray& more = {}) -> std::string {
        try {
            DataPacket::parse(packet(fields + more, rows), defs, QStringLiteral("s.xml"), shape);
        } catch (const DataPacketError& e) {
            return e.what();
        }
        return {};
    };
    const PacketShape onePage{1, {}, {}};
    const PacketShape list{-1, QStringLiteral("rec_aid"), {}};
    EXPECT_EQ(shapeError("<ROW Rec_AID=\"1\"/>", onePage), "");
    EXPECT_NE(shapeError("<ROW Rec_AID=\"1\"/><ROW/>", onePage).find("more than 1 record"), std::string::npos);
    EXPECT_EQ(shapeError("<ROW Rec_AID=\"2\"/><ROW Rec_AID=\"1\"/>", list), "");
    EXPECT_NE(shapeError("<ROW Rec_AID=\"1\"/><ROW/>", list).find("row 2 has no Rec_AID"), std::string::npos);
    EXPECT_NE(shapeError("<ROW Rec_AID=\"1\"/><ROW Rec_AID=\"1\"/>", list).find("repeats the Rec_AID 1"), std::string::npos);
    // Held to the table's fields: a field more is another table's file, a field less (Nome) an older one.
    const PacketShape tableFields{-1, {}, {}, true};
    const QByteArray other = "<FIELD attrname=\"Outro\" fieldtype=\"i4\"/>";
    EXPECT_EQ(shapeError("<ROW Rec_AID=\"1\"/>", tableFields), "");
    EXPECT_NE(shapeError("", tableFields, other).find("field \"Outro\", which this table does not have"), std::string::npos);
    EXPECT_EQ(shapeError("", list, other), "");
}

TEST(DataPacketRead, DeepNestingAndLongInputStayLinear)
{
    // Unknown elements nested a hundred thousand deep are skipped without recursion.
    const int depth = 100000;
    QByteArray deep = "<DATAPACKET><METADATA><FIELDS><FIELD attrname=\"Id\" fieldtype=\"i4\"/></FIELDS><PARAMS>";
    for (int i = 0; i < depth; ++i)
        deep += "<X>";
    for (int i = 0; i < depth; ++i)
        deep += "</X>";
    deep += "</PARAMS></METADATA><ROWDATA><ROW Id=\"7\"/></ROWDATA></DATAPACKET>";
    const std::vector<FieldDef> defs = {def("Id", FieldType::Integer)};
    EXPECT_EQ(DataPacket::parse(deep, defs, QStringLiteral("deep.xml")), (Rows{{std::int32_t(7)}}));

    // The same depth left open is an error, not a crash.
    QByteArray open = "<DATAPACKET><METADATA><PARAMS>";
    for (int i = 0; i < depth; ++i)
        open += "<X>";
    EXPECT_NE(parseError(open, defs).find("<X> is not closed"), std::string::npos);
}
