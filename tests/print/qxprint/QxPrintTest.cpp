// qxprint on folders made by qxfolder: its output lines, exit codes and the PDF it writes.
#include "platform/layout/Coordinates.h"
#include "platform/layout/PageLayout.h"
#include "support/PdfWords.h"
#include "tools/QxFolderRun.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QStringList& list, std::ostream* os) { *os << list.join(QLatin1Char('|')).toStdString(); }
QT_END_NAMESPACE

using qxtest::ToolRun;
using qxtest::Words;

namespace {

// Every error of a new folder mended: the taxpayer, the ticks the checks ask for, the auditor.
const char* const kCleanM1 =
    "set cdsSys.Sector_ID=0 set cdsM1P1.Nome_Contribuinte_1=Empresa set cdsM1P1.No_Contribuinte=1234567 "
    "set cdsM1P1.Distico_Comercial=Loja set cdsM1P1.No_Cadastro=42 set cdsM1P1.Residencia_ou_Sede_1=Rua "
    "set cdsM1P1.Tipo_Contribuinte_Sociedade=TRUE set cdsM1P1.Data_da_Constituicao=01/02/2003 "
    "set cdsM1P1.No_Reg_Comercial=99 set cdsM1P1.Actividade_Principal=Comercio "
    "set cdsM1P1.Actividade_Codigo_1=1234 set cdsM1P1.Tipo_de_Declaracao_Normal=TRUE "
    "set cdsM1P1.Exercicio_Anterior_Grupo_A=TRUE set cdsM1P1.Enderecados_ao_Contribuinte=TRUE "
    "set cdsM1P1.Acomp_Anexos_A_B=TRUE set cdsM1P3.Regime_Prep_Doc_Fin_NRF=TRUE "
    "set cdsM1P3.Lingua_Reg_Con_Chines=TRUE set cdsM1P3.Moeda_Reg_Con_Mop=TRUE set cdsM1P3.Nome_Aud_Cont=Auditor "
    "set cdsM1P3.Num_Cartao_Prof_Tervask=77 set cdsM1P3.Assinatura_Contrib=TRUE "
    "set cdsM1P3.Data_Assi_Contrib=05/03/2024";

class QxPrintTest : public qxtest::QxFolderFixture {
protected:
    ToolRun print(const QStringList& args) const { return qxtest::RunTool(QStringLiteral(QX_QXPRINT), args, configHome()); }
    ToolRun printPage(const char* pageCode, const QStringList& options = {}) const
    {
        return print(QStringList{QStringLiteral("--today"), QStringLiteral("2024-03-15"), folder(),
                                 QString::fromLatin1(pageCode), pdf()} + options);
    }
    QString pdf() const { return work.path() + QStringLiteral("/out.pdf"); }
    void makeClean() const { ASSERT_EQ(succeedingOnFolder(Words("open") + Words(kCleanM1) + Words("save")).status, 0); }
    // The output lines after the page list's ITEM and SELECTED lines.
    static QStringList outcome(const ToolRun& r)
    {
        QStringList out;
        for (const QString& l : r.output())
            if (!l.startsWith(QLatin1String("ITEM\t")) && !l.startsWith(QLatin1String("SELECTED\t")))
                out << l;
        return out;
    }
};

}  // namespace

// A wrong call exits with 2 and the usage on standard error; --help with 0 and the usage on
// standard output, printing nothing.
TEST_F(QxPrintTest, UsageErrorsExitWithTwoHelpWithZero)
{
    for (const QStringList& args : {QStringList{}, Words("folder 1011"), Words("folder x out.pdf"),
                                    Words("folder 1011 out.pdf --item"), Words("folder 1011 out.pdf --item -1"),
                                    Words("folder 1011 out.pdf --left abc"), Words("folder 1011 out.pdf --colour"),
                                    Words("--help"),
                                    QStringList{folder(), QStringLiteral("1011"), pdf(), QStringLiteral("--help")}}) {
        const ToolRun r = print(args);
        const bool help = args.contains(QStringLiteral("--help"));
        EXPECT_EQ(r.status, help ? 0 : 2) << qPrintable(args.join(QLatin1Char(' ')));
        EXPECT_EQ(r.lines.join(u'\n').startsWith(QLatin1String("usage: qxprint")), help) << qPrintable(args.join(QLatin1Char(' ')));
        EXPECT_EQ(r.err.contains(QLatin1String("usage: qxprint")), !help) << qPrintable(args.join(QLatin1Char(' ')));
    }
    EXPECT_FALSE(QFile::exists(pdf()));
}

// A new folder has errors: the final print is refused naming the pages, a test page prints; the
// folder's messages print as qxfolder prints them.
TEST_F(QxPrintTest, ErrorsRefuseTheFinalPrintButNotATestPage)
{
    ToolRun r = printPage("2011");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(outcome(r), QStringList{QStringLiteral("REFUSED\t1011 1013")});
    EXPECT_EQ(r.lineStarting(QStringLiteral("MSG\tDM-008")).value(2), QStringLiteral("3"));
    EXPECT_FALSE(QFile::exists(pdf()));

    r = printPage("2011", {QStringLiteral("--test")});
    EXPECT_EQ(r.status, 0) << qPrintable(r.err);
    EXPECT_EQ(outcome(r), QStringList{QStringLiteral("PRINTED\tFormRpt_AnexoA.QuickRepP1\t2011")});
    EXPECT_TRUE(QFile::exists(pdf()));
}

// The page list's report page: M/1 on A4 unless --a3, the initial item of the page code or item N.
TEST_F(QxPrintTest, PageCodeAndItemChooseTheReportPage)
{
    makeClean();
    struct Case {
        const char* code;
        QStringList options;
        int status;
        const char* printed;
    };
    const Case cases[] = {
        {"1011", {}, 0, "PRINTED\tFormRpt_M1_A4.QuickRepP1\t1011"},
        {"1014", {}, 0, "PRINTED\tFormRpt_M1_A4.QuickRepP4\t1014"},
        {"1011", Words("--item 2"), 0, "PRINTED\tFormRpt_M1_A4.QuickRepP3\t1013"},
        {"1013", Words("--a3"), 0, "PRINTED\tFormRpt_M1.QuickRepP2P3\t1012"},
        {"1014", Words("--a3"), 0, "PRINTED\tFormRpt_M1.QuickRepP1\t1011"},
        {"3012", {}, 0, "PRINTED\tFormRpt_AnexoB.QuickRepP2\t3012"},
        {"6012", {}, 0, "PRINTED\tFormRpt_M4.QuickRepp2\t6012"},
        {"6011", Words("--item 1"), 1, nullptr},  // the back item is for insurers only
        {"1011", Words("--a3 --item 2"), 1, nullptr},
        {"4011", Words("--item 2"), 1, nullptr},  // an empty list has one sheet, ending on its front
        {"5011", {}, 0, "NOTHING\t5011"},          // empty M/3A lists have no page
        {"5012", Words("--test --item 0"), 0, "NOTHING\t5012"},
    };
    for (const Case& c : cases) {
        const ToolRun r = printPage(c.code, c.options);
        EXPECT_EQ(r.status, c.status) << c.code << " " << qPrintable(c.options.join(QLatin1Char(' ')) + r.err);
        EXPECT_EQ(outcome(r), c.printed ? QStringList{QString::fromUtf8(c.printed)} : QStringList{}) << c.code;
    }
}

// The dialog's page list: every item with its state and text, then the item printed.
TEST_F(QxPrintTest, ItemLinesShowThePageListAndTheItemPrinted)
{
    makeClean();
    const QStringList m1A3{QStringLiteral("ITEM\t0\t1\t正面 Frente"), QStringLiteral("ITEM\t1\t1\t背面 Verso")};
    ToolRun r = printPage("1013", Words("--a3"));
    EXPECT_EQ(r.output(), m1A3 + QStringList({QStringLiteral("SELECTED\t1"), QStringLiteral("PRINTED\tFormRpt_M1.QuickRepP2P3\t1012")}));
    r = printPage("1011", Words("--item 3"));
    EXPECT_EQ(r.output().mid(2, 4), (QStringList{QStringLiteral("ITEM\t2\t1\t第 Pag. 3 頁"), QStringLiteral("ITEM\t3\t1\t第 Pag. 4 頁"),
                                                QStringLiteral("SELECTED\t3"), QStringLiteral("PRINTED\tFormRpt_M1_A4.QuickRepP4\t1014")}));
    r = printPage("6012");
    EXPECT_EQ(r.output().mid(0, 3), (QStringList{QStringLiteral("ITEM\t0\t1\t正面 Frente"), QStringLiteral("ITEM\t1\t1\t背面 Verso"),
                                                QStringLiteral("SELECTED\t1")}));
    r = printPage("6011", Words("--item 1"));  // no back item outside the insurance sector
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.output(), QStringList{QStringLiteral("ITEM\t0\t1\t正面 Frente")});
}

// 21 assets alienated and none written off: two pages whose backs have nothing; the first back is
// listed disabled and cannot print, the last is left out.
TEST_F(QxPrintTest, ADisabledItemOfTheM3AListCannotPrint)
{
    QStringList commands = Words("open");
    for (int i = 1; i <= 21; ++i)
        commands << Words("append cdsM3AAli Codigo=1.1 Col1_Mop=1000") << QStringLiteral("Tipo=T%1").arg(i);
    ASSERT_EQ(succeedingOnFolder(commands + Words("save")).status, 0);
    const ToolRun r = printPage("5011", Words("--test --item 1"));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.output(), (QStringList{QStringLiteral("ITEM\t0\t1\t第 Pag. 1 頁 - 正面 Frente"),
                                       QStringLiteral("ITEM\t1\t0\t               背面 Verso"),
                                       QStringLiteral("ITEM\t2\t1\t第 Pag. 2 頁 - 正面 Frente"), QStringLiteral("SELECTED\t1")}));
    EXPECT_TRUE(r.err.contains(QLatin1String("cannot print")));
    EXPECT_FALSE(QFile::exists(pdf()));
}

// BOX lines: every data text of the page, empty ones too, at its anchor on the paper; offsets move
// them all; the PDF holds the values there.
TEST_F(QxPrintTest, BoxesListEveryDataTextAtItsAnchor)
{
    makeClean();
    const qx::PageLayout& layout = qx::pageLayout(QStringLiteral("M1P1"));
    for (const auto& [options, shift] : {std::pair{QStringList{}, 0.0}, std::pair{Words("--left 13.5 --top 16"), 5.0}}) {
        const ToolRun r = printPage("1011", QStringList{QStringLiteral("--boxes")} + options);
        ASSERT_EQ(r.status, 0) << qPrintable(r.err);
        QStringList boxes;
        for (const QString& l : r.output())
            if (l.startsWith(QLatin1String("BOX\t")))
                boxes << l;
        EXPECT_EQ(boxes.size(), 49);
        const PdfPage words = ReadPdfWords(pdf());
        for (const QString& line : boxes) {
            const QStringList f = line.split(QLatin1Char('\t'));
            ASSERT_EQ(f.size(), 5);
            const qx::Box* box = nullptr;
            for (const qx::Box& b : layout.boxes)
                if (b.isBound() && b.field == f[1])
                    box = &b;
            ASSERT_TRUE(box) << qPrintable(f[1]);
            const double x = box->align == qx::BoxAlign::Left    ? box->mm.left()
                             : box->align == qx::BoxAlign::Right ? box->mm.right()
                                                                 : box->mm.center().x();
            EXPECT_NEAR(f[2].toDouble(), x + shift, 0.15) << qPrintable(line);
            EXPECT_NEAR(f[3].toDouble(), box->mm.top() + shift, 0.15) << qPrintable(line);
            if (f[1] == u"Nome_Contribuinte_1") {
                EXPECT_EQ(f[4], QStringLiteral("Empresa"));
                const auto found = words.find(QStringLiteral("Empresa"));
                ASSERT_EQ(found.size(), 1u);
                EXPECT_NEAR(found[0]->xMin, x + shift, 0.25);
                EXPECT_NEAR(found[0]->yMin, box->mm.top() + shift, 0.25);
            }
        }
    }
}

// --top and --left are typed into the dialog's edits: an offset that would put Anexo A's front off
// its paper is refused by the dialog's message and nothing prints; its edge is still taken.
TEST_F(QxPrintTest, OffsetsThatPutThePageOffItsPaperAreRefused)
{
    const struct {
        const char* options;
        const char* code;  // nullptr: printed
    } cases[] = {{"--top 1115", "PS-009"}, {"--left 22.81", "PS-008"}, {"--left 22.8 --top 50.8", nullptr}};
    for (const auto& c : cases) {
        QFile::remove(pdf());
        const ToolRun r = printPage("2011", Words("--test") + Words(c.options));
        EXPECT_EQ(r.status, c.code ? 1 : 0) << c.options;
        EXPECT_EQ(r.lineStarting(QStringLiteral("MSG\tPS-")).value(1), QString::fromLatin1(c.code)) << c.options;
        EXPECT_EQ(QFile::exists(pdf()), !c.code) << c.options;
    }
}
