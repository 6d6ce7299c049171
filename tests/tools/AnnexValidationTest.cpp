// The validation of the annex pages seen through qxfolder: a blank declaration has no annex
// finding, and findings of every sector's annexes appear under their own page codes and fields,
// after each change and again after the folder is reopened.
#include "QxFolderRun.h"

#include <QMap>
#include <gtest/gtest.h>

namespace {

const char* const kAnnexPages[] = {"2011", "2012", "2111", "2112", "2211", "2212",
                                   "3011", "3012", "3111", "3212", "3311", "3312"};

using qxtest::Words;

class AnnexValidationTest : public qxtest::QxFolderFixture {
protected:

    // Runs the commands on the test's folder with today fixed; the alert lines of the annex
    // pages as "page field type code", grouped by page in list order.
    QMap<QString, QStringList> annexFindingsAfter(const QStringList& commands)
    {
        const qxtest::ToolRun r = succeedingOnFolder(commands);
        QMap<QString, QStringList> pages;
        for (const QString& line : r.lines) {
            const QStringList cells = line.split(QLatin1Char('\t'));
            if (cells.size() == 6 && std::find(std::begin(kAnnexPages), std::end(kAnnexPages), cells[0]) != std::end(kAnnexPages))
                pages[cells[0]] << cells.mid(0, 4).join(QLatin1Char(' '));
            if (cells.size() == 6 && cells[3] == QLatin1String("A-047"))
                lastA047 = cells;
        }
        return pages;
    }

    // The findings one per line, page by page, for readable comparisons.
    static std::string lines(const QMap<QString, QStringList>& pages)
    {
        QStringList out;
        for (const QStringList& page : pages)
            out += page;
        return out.join(QLatin1Char('\n')).toStdString();
    }

    QStringList lastA047;
};

TEST_F(AnnexValidationTest, ABlankDeclarationHasNoAnnexFinding)
{
    EXPECT_EQ(lines(annexFindingsAfter(Words("open alerts"))), "");
}

// Findings of all three sectors are listed whatever the folder's sector, and a page's change
// replaces only that page's findings.
TEST_F(AnnexValidationTest, FindingsOfEverySectorUnderTheirPageCodes)
{
    const QMap<QString, QStringList> expected{
        {QStringLiteral("2012"), {QStringLiteral("2012 iv_r1xx_ttl 10 A-047")}},
        {QStringLiteral("2211"), {QStringLiteral("2211 II_R3_Desc 10 A-008")}},
        {QStringLiteral("3111"),
         {QStringLiteral("3111 II_B_II 10 A-058"), QStringLiteral("3111 II_B_III 10 A-059"),
          QStringLiteral("3111 II_B_IV 10 A-060"), QStringLiteral("3111 II_B_V 10 A-061"),
          QStringLiteral("3111 II_B_VI 10 A-062")}},
        {QStringLiteral("3212"), {QStringLiteral("3212 VIII_R6_Mop 10 A-006")}},
    };
    const QStringList changes = Words("set cdsSys.Sector_ID=11 set cdsAnexoAP2.IV_R111_Mop=100 "
                                      "set cdsAnexoABankP1.II_R3_Desc=Outros set cdsAnexoBSegP1.II_B_I_True=TRUE "
                                      "set cdsAnexoBSegP2.VIII_R6_Mop=0.5");
    EXPECT_EQ(lines(annexFindingsAfter(Words("open") + changes + Words("alerts save"))), lines(expected));
    EXPECT_EQ(lastA047.value(4), QStringLiteral("本期「資產總額」(100)不等於「權益和負債總額」(0) [一般行業]"));
    EXPECT_EQ(lastA047.value(5), QStringLiteral("O valor do período (100) do \"total dos activos\" deve ser igual o valor (0) "
                                                "\"total dos capitais próprios e passivos\" [Geral]"));

    // The opening check of the saved folder finds the same, and also what the posts above could
    // not: the insurance Anexo B total carried into line III.2.1.4 of the insurance Anexo A back
    // page, which now lacks a matching asset.
    QMap<QString, QStringList> reopened = expected;
    reopened.insert(QStringLiteral("2112"), {QStringLiteral("2112 iii_r1xx_mop 10 A-049")});
    EXPECT_EQ(lines(annexFindingsAfter(Words("open alerts"))), lines(reopened));

    QMap<QString, QStringList> fixed = reopened;
    fixed.remove(QStringLiteral("3111"));
    EXPECT_EQ(lines(annexFindingsAfter(
                  Words("open set cdsAnexoBSegP1.II_B_I_False=TRUE set cdsAnexoBSegP1.II_B_I_True=FALSE alerts"))),
              lines(fixed));
}

}  // namespace
