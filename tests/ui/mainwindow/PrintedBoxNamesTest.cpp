// The program's print dialog names a box that a final print would fill with '#' as the editor
// page names it: by its line and the heading of its column, in each language.
#include "MainWindowFixture.h"
#include "print/dialog/TFormPrnSetup.h"
#include "print/forms/EditorBindings.h"
#include "print/forms/ReportForms.h"

namespace {

class ProgramPrint : public MainWindowFixture {};

}  // namespace

TEST_F(ProgramPrint, BoxesThatWouldPrintAsMarksAreNamedAsTheEditorNamesThem)
{
    showMain();
    open(savedFolder(QStringLiteral("f"), 0));
    dm().cdsM4P1.edit();
    dm().cdsM4P1.fieldByName(u"1_R1_Col2_Mop").setAsString(QStringLiteral("1000000000"));
    dm().cdsM4P1.post();
    ASSERT_TRUE(BindReportPagesFromLayouts(*forms->Reports, dm()));
    TFormPrnSetup& dialog = *forms->FormPrnSetup;
    dialog.PageCode = 6011;
    dialog.FormShow();
    ReportPage& page = *dialog.CurrentReport();
    const std::vector<MarkedValue> marked =
        page.valuesPrintedAsMarks({page.defaultTopMargin(), page.defaultLeftMargin(), false, 1, QString()});
    ASSERT_FALSE(marked.empty());
    EXPECT_EQ(marked.front().value, QStringLiteral("1,000,000,000"));
    // Line 1, column (2) of table 1.
    EXPECT_TRUE(marked.front().boxChn.startsWith(QStringLiteral("第 1 行 (2)"))) << qPrintable(marked.front().boxChn);
    EXPECT_TRUE(marked.front().boxPor.startsWith(QStringLiteral("linha 1 (2)"))) << qPrintable(marked.front().boxPor);
    dialog.FormClose();
}
