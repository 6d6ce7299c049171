#include "platform/data/ClientDataSet.h"
#include "platform/report/FitText.h"
#include "platform/report/ReportOutput.h"
#include "support/PdfWords.h"

#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace qx::report;

namespace {

constexpr double kMm = kMmPerReportPixel;

qx::FieldDef def(const char* name, qx::FieldType type, const char* displayFormat = "")
{
    qx::FieldDef d;
    d.name = QString::fromLatin1(name);
    d.type = type;
    d.size = type == qx::FieldType::String ? 20 : 0;
    d.displayFormat = QString::fromLatin1(displayFormat);
    return d;
}

// One record: a name, an amount with the money pattern, a tick, an empty tick and a sum that
// shows asterisks (as an overflowed sum's display does).
struct Record {
    qx::ClientDataSet ds{QStringLiteral("cdsTest")};
    Record()
    {
        const char* money = R"x(,0" ";"(",0")";"--- ")x";
        ds.setFieldDefs({def("Nome", qx::FieldType::String), def("Valor", qx::FieldType::Currency, money),
                         def("Sim", qx::FieldType::Boolean), def("Nao", qx::FieldType::Boolean),
                         def("Soma", qx::FieldType::Currency, money)});
        ds.fieldByName(u"Soma").onGetText = [](qx::Field&, QString& text, bool) { text = QStringLiteral("**********"); };
        ds.createDataSet();
        ds.append();
        ds.fieldByName(u"Nome").setAsString(QStringLiteral("Abc"));
        ds.fieldByName(u"Valor").setAsCurrency(qx::Currency::fromUnits(-1234));
        ds.fieldByName(u"Sim").setAsBoolean(true);
        ds.fieldByName(u"Nao").setAsBoolean(false);
        ds.post();
    }
};

ReportDataText& dataText(ReportBand& band, const char* name, double left, double top, const char* field,
                         qx::ClientDataSet* ds, TextAlignment alignment = TextAlignment::Left)
{
    auto& t = band.add<ReportDataText>(QString::fromLatin1(name));
    t.left = left;
    t.top = top;
    t.width = 96;
    t.height = 16;
    t.dataSet = ds;
    t.dataField = QString::fromLatin1(field);
    t.alignment = alignment;
    return t;
}

// A4 portrait at margins 10 / 20 mm: a title band of 96 pixels, a detail band of 48 pixels with
// a child band of 24 pixels, a footer of 96 pixels.
struct TinyReport {
    Record rec;
    ReportPage page{QStringLiteral("QuickRepTest")};
    ReportBand& title = page.addBand(ReportBand::Kind::Title, QStringLiteral("TitleBand"));
    ReportBand& detail = page.addBand(ReportBand::Kind::Detail, QStringLiteral("DetailBand"));
    ReportBand& child = page.addBand(ReportBand::Kind::Child, QStringLiteral("ChildBand"));
    ReportBand& footer = page.addBand(ReportBand::Kind::PageFooter, QStringLiteral("FooterBand"));
    TinyReport()
    {
        page.leftMargin = 10;
        page.topMargin = 20;
        title.height = 96;
        detail.height = 48;
        child.height = 24;
        footer.height = 96;
        detail.setChild(&child);
        auto& label = title.add<ReportLabel>(QStringLiteral("Caption"));
        label.caption = QStringLiteral("Titulo");
        label.left = 96;
        dataText(detail, "TextName", 0, 0, "Nome", &rec.ds);
        dataText(detail, "TextValue", 96, 0, "Valor", &rec.ds, TextAlignment::Right);
        dataText(detail, "TextSim", 200, 0, "Sim", &rec.ds);
        dataText(detail, "TextNao", 220, 0, "Nao", &rec.ds);
        dataText(detail, "TextSoma", 300, 0, "Soma", &rec.ds, TextAlignment::Right);
        dataText(child, "TextUnbound", 0, 0, "TEST", nullptr);
        auto& mark = footer.add<ReportShape>(QStringLiteral("Mark"));
        mark.kind = ReportShape::Kind::HorizontalLine;
        mark.width = 96;
        mark.height = 2;
    }
};

}  // namespace

TEST(ReportLayout, BandsStackFromTheMarginsAndFootersSitAtTheBottom)
{
    TinyReport r;
    const DisplayList list = LayoutPage(r.page);
    ASSERT_TRUE(list.printed);
    EXPECT_DOUBLE_EQ(list.paperWidthMm, 210);
    EXPECT_DOUBLE_EQ(list.paperHeightMm, 297);
    const DisplayText* caption = list.findText(QStringLiteral("Caption"));
    ASSERT_TRUE(caption);
    EXPECT_NEAR(caption->box.left(), 10 + 25.4, 1e-9);
    EXPECT_NEAR(caption->box.top(), 20, 1e-9);
    const DisplayText* value = list.findText(QStringLiteral("TextValue"));
    ASSERT_TRUE(value);
    EXPECT_NEAR(value->box.top(), 20 + 25.4, 1e-9);  // below the 96-pixel title band
    EXPECT_NEAR(value->anchor().x(), 10 + 192 * kMm, 1e-9);  // right edge of a right-aligned text
    const DisplayText* unbound = list.findText(QStringLiteral("TextUnbound"));
    ASSERT_TRUE(unbound);
    EXPECT_NEAR(unbound->box.top(), 20 + (96 + 48) * kMm, 1e-9);  // the child follows its parent
    ASSERT_EQ(list.shapes.size(), 1u);
    EXPECT_NEAR(list.shapes[0].box.top(), 297 - 25.4, 1e-9);
}

TEST(ReportLayout, DataTextsPrintTheFieldsDisplayText)
{
    TinyReport r;
    const DisplayList list = LayoutPage(r.page);
    const std::pair<const char*, const char*> expected[] = {
        {"TextName", "Abc"}, {"TextValue", "(1,234)"}, {"TextSim", "X"}, {"TextNao", ""},
        {"TextSoma", "**********"}, {"TextUnbound", ""},
    };
    for (const auto& [name, text] : expected) {
        const DisplayText* t = list.findText(QString::fromLatin1(name));
        ASSERT_TRUE(t) << name;
        EXPECT_EQ(t->text, QString::fromLatin1(text)) << name;
        EXPECT_TRUE(t->dataText) << name;
    }
}

TEST(ReportLayout, EventsCancelSkipAndReplace)
{
    TinyReport r;
    r.page.beforePrint = [](ReportPage& p, bool& print) { print = p.tag == 10; };
    EXPECT_FALSE(LayoutPage(r.page).printed);
    r.page.tag = 10;
    EXPECT_TRUE(LayoutPage(r.page).printed);

    r.title.beforePrint = [](ReportBand&, bool& print) { print = false; };
    auto* name = dynamic_cast<ReportDataText*>(r.detail.findChild(QStringLiteral("TextName")));
    ASSERT_TRUE(name);
    name->onPrint = [](ReportDataText&, QString& text, ReportFont& font) {
        text = text.toUpper();
        font.pixelHeight = 20;
    };
    r.detail.child(1).enabled = false;
    const DisplayList list = LayoutPage(r.page);
    EXPECT_FALSE(list.findText(QStringLiteral("Caption")));
    EXPECT_FALSE(list.findText(QStringLiteral("TextValue")));
    const DisplayText* t = list.findText(QStringLiteral("TextName"));
    ASSERT_TRUE(t);
    EXPECT_NEAR(t->box.top(), 20, 1e-9);  // the skipped title takes no room
    EXPECT_EQ(t->text, QStringLiteral("ABC"));
    EXPECT_EQ(t->font.pixelHeight, 20);
}

TEST(ReportLayout, NeedDataRepeatsTheDetailChainOnOneSheetOnly)
{
    TinyReport r;
    int rows = 0;
    r.page.needData = [&rows](ReportPage&, bool& more) { more = ++rows <= 3; };
    DisplayList list = LayoutPage(r.page);
    int names = 0;
    for (const DisplayText& t : list.texts)
        names += t.name == u"TextName";
    EXPECT_EQ(names, 3);

    r.page.needData = [](ReportPage&, bool& more) { more = true; };  // never ends: the sheet does
    list = LayoutPage(r.page);
    names = 0;
    for (const DisplayText& t : list.texts) {
        names += t.name == u"TextName";
        if (t.name != u"Caption") {
            EXPECT_LE(t.box.top() + 16 * kMm, 297 - 96 * kMm + 1e-9) << "above the footer";
        }
    }
    // Eleven whole chains of 72 pixels fit below the title, then one more detail without its child.
    const double room = 297 - 20 - (96 + 96) * kMm;
    EXPECT_EQ(names, int(room / (72 * kMm)) + 1);
}

// The sheet's first band prints even when taller than the paper; a band after it that does not
// fit is left out.
TEST(ReportLayout, TheFirstBandPrintsEvenWhenTooTall)
{
    TinyReport r;
    r.title.enabled = false;
    r.detail.height = 1200;  // 317 mm
    const DisplayList list = LayoutPage(r.page);
    EXPECT_TRUE(list.findText(QStringLiteral("TextName")));
    EXPECT_FALSE(list.findText(QStringLiteral("TextUnbound")));  // its child band
}

// Positions measured in the PDF itself: the left edge of a left-aligned text, the right edge of a
// right-aligned one, the top of the text box; the paper's size and orientation.
TEST(ReportPdf, TextsLandAtTheirAnchorsOnAnUnscaledSheet)
{
    for (const auto& [paper, orientation, width, height] :
         {std::tuple{PaperSize::A4, Orientation::Portrait, 210.0, 297.0},
          std::tuple{PaperSize::A3, Orientation::Landscape, 420.0, 297.0}}) {
        TinyReport r;
        r.page.paper = paper;
        r.page.orientation = orientation;
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
        bool printed = false;
        ASSERT_TRUE(PrintToPdf(r.page, pdf, &printed));
        ASSERT_TRUE(printed);
        const PdfPage page = ReadPdfWords(pdf);
        ASSERT_TRUE(page.ok);
        EXPECT_NEAR(page.widthMm, width, 0.2);  // PDF page sizes are whole points
        EXPECT_NEAR(page.heightMm, height, 0.2);
        const DisplayList list = LayoutPage(r.page);
        for (const char* name : {"TextName", "TextValue", "TextSoma", "Caption"}) {
            const DisplayText* t = list.findText(QString::fromLatin1(name));
            ASSERT_TRUE(t);
            const auto words = page.find(t->text);
            ASSERT_EQ(words.size(), 1u) << name;
            const double x = t->alignment == TextAlignment::Right ? words[0]->xMax : words[0]->xMin;
            EXPECT_NEAR(x, t->anchor().x(), 0.1) << name;
            EXPECT_NEAR(words[0]->yMin, t->anchor().y(), 0.25) << name;
        }
    }
}

// A text wider than its box shrinks by whole pixels down to the floor, then loses what still does
// not fit, whole characters only, but a number prints as marks; the PDF holds the text as fitted,
// within its box.
TEST(ReportFit, TextsShrinkToTheirBoxThenAreCutAtTheFloor)
{
    const QString mono = QStringLiteral("Liberation Mono");  // 0.6 of the height a character
    struct Case {
        QString text;
        int px;
        double width;
        QString printed;
        int printedPx;
    };
    const Case cases[] = {
        {QStringLiteral("1,234,567 "), 11, 66.0, QStringLiteral("1,234,567 "), 11},  // exactly as wide
        {QStringLiteral("1,234,567 "), 11, 65.9, QStringLiteral("1,234,567 "), 10},
        {QStringLiteral("1,234,567 "), 11, 48.0, QStringLiteral("1,234,567 "), 8},
        {QStringLiteral("1,234,567 "), 11, 47.9, QStringLiteral("1,234,567"), 8},
        {QStringLiteral("1,234,567 "), 11, 47.9 - 4.8, QStringLiteral("########"), 8},  // never a wrong amount
        {QStringLiteral("Sociedade Ltd."), 6, 18.0, QStringLiteral("Socie"), 6},  // below the floor: cut only
    };
    for (const Case& c : cases) {
        const FittedText f = FitText(c.text, ReportFont{mono, c.px, false}, c.width);
        EXPECT_EQ(f.text, c.printed) << c.text.toStdString() << " in " << c.width;
        EXPECT_EQ(f.font.pixelHeight, c.printedPx) << c.text.toStdString() << " in " << c.width;
        EXPECT_LE(PrintedWidth(f.text, f.font), c.width + 1e-6);
    }

    ReportPage page;
    page.topMargin = 10;
    ReportBand& band = page.addBand(ReportBand::Kind::Title, QStringLiteral("T"));
    band.height = 40;
    auto& label = band.add<ReportLabel>(QStringLiteral("Long"));
    label.caption = QStringLiteral("Avenida do Lago Grande n.o 123, 4.o andar");
    label.font = ReportFont{mono, 12, false};
    label.left = 20;
    label.width = 100;
    label.height = 16;
    const DisplayList list = LayoutPage(page);
    const DisplayText* t = list.findText(QStringLiteral("Long"));
    ASSERT_TRUE(t);
    EXPECT_EQ(t->font.pixelHeight, kFloorPixelHeight);
    EXPECT_EQ(t->text, QStringLiteral("Avenida do Lago Gran"));
    QTemporaryDir dir;
    ASSERT_TRUE(WritePdf(list, page, dir.filePath(QStringLiteral("fit.pdf"))));
    const PdfPage pdf = ReadPdfWords(dir.filePath(QStringLiteral("fit.pdf")));
    ASSERT_TRUE(pdf.ok);
    QStringList words;
    for (const PdfWord& w : pdf.words) {
        words << w.text;
        EXPECT_GE(w.xMin, t->box.left() - 0.05);
        EXPECT_LE(w.xMax, t->box.right() + 0.05);
    }
    EXPECT_EQ(words.join(QLatin1Char(' ')), t->text.trimmed());
}

TEST(ReportPdf, ACancelledPageWritesNoFile)
{
    TinyReport r;
    r.page.beforePrint = [](ReportPage&, bool& print) { print = false; };
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    bool printed = true;
    EXPECT_TRUE(PrintToPdf(r.page, pdf, &printed));
    EXPECT_FALSE(printed);
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST(ReportImage, PicturesShapesAndTextsAreDrawnWhereTheListSays)
{
    ReportPage page;
    page.leftMargin = 10;
    page.topMargin = 10;
    ReportBand& band = page.addBand(ReportBand::Kind::Detail, QStringLiteral("DetailBand"));
    band.height = 400;
    QImage grey(4, 4, QImage::Format_RGB32);
    grey.fill(QColor(128, 128, 128));
    auto& picture = band.add<ReportPicture>(QStringLiteral("Picture"));
    picture.picture = grey;
    picture.width = 96;
    picture.height = 96;
    auto& box = band.add<ReportShape>(QStringLiteral("Box"));
    box.left = 192;
    box.width = 96;
    box.height = 96;
    const QImage image = RenderToImage(LayoutPage(page), 96);
    EXPECT_EQ(image.size(), QSize(qRound(210 / kMm), qRound(297 / kMm)));
    const int m = qRound(10 / kMm);
    EXPECT_EQ(image.pixelColor(m + 48, m + 48), QColor(128, 128, 128));  // stretched picture
    EXPECT_EQ(image.pixelColor(m + 240, m + 48), QColor(Qt::white));    // inside the rectangle
    EXPECT_LT(std::min(image.pixelColor(m + 191, m + 48).lightness(), image.pixelColor(m + 192, m + 48).lightness()),
              200);  // its left side
}

// A printer gets the whole sheet unscaled, whatever margins it had: the page lands as in the PDF.
TEST(ReportPrinter, PrintsTheFullSheetUnscaled)
{
    TinyReport r;
    r.page.paper = PaperSize::A3;
    r.page.orientation = Orientation::Landscape;
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("printer.pdf")));
    printer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    bool printed = false;
    ASSERT_TRUE(PrintToPrinter(r.page, printer, &printed));
    ASSERT_TRUE(printed);
    const PdfPage page = ReadPdfWords(dir.filePath(QStringLiteral("printer.pdf")));
    ASSERT_TRUE(page.ok);
    EXPECT_NEAR(page.widthMm, 420, 0.2);
    EXPECT_NEAR(page.heightMm, 297, 0.2);
    const DisplayList list = LayoutPage(r.page);
    const DisplayText* value = list.findText(QStringLiteral("TextValue"));
    const auto words = page.find(value->text);
    ASSERT_EQ(words.size(), 1u);
    EXPECT_NEAR(words[0]->xMax, value->anchor().x(), 0.1);
    EXPECT_NEAR(words[0]->yMin, value->anchor().y(), 0.25);
}
