// The program under a person's hands: it starts and asks for a folder by itself; a new folder is
// made and its sector chosen; the declaration is typed by keys, editor after editor, jumping
// through the editors' menus; every alert is clicked to its box; the folder is saved, the
// program quits, starts again and opens the folder: every typed value is there.
#include "Declaration.h"
#include "EditorWalker.h"
#include "PrintWalker.h"
#include "ProgramRun.h"
#include "core/check/RuleText.h"
#include "support/ModalScript.h"
#include "support/ScriptedMessages.h"
#include "ui/mainwindow/BrowseForFolder.h"

#include <QAction>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Visit {
    QString form;
    std::span<const Entry> rows;
};

// Consecutive rows of one editor make one visit.
std::vector<Visit> Visits(const std::vector<Entry>& rows)
{
    std::vector<Visit> out;
    std::size_t begin = 0;
    while (begin < rows.size()) {
        std::size_t end = begin;
        while (end < rows.size() && qstrcmp(rows[end].form, rows[begin].form) == 0)
            ++end;
        out.push_back({QString::fromLatin1(rows[begin].form), std::span(rows).subspan(begin, end - begin)});
        begin = end;
    }
    return out;
}

// The jump action of an editor's menu that opens `form`.
const char* JumpTo(const QString& form)
{
    if (form.startsWith(QLatin1String("FormFillAnexoA")))
        return "ActionFillAnexoA";
    if (form.startsWith(QLatin1String("FormFillAnexoB")))
        return "ActionFillAnexoB";
    if (form == QLatin1String("FormFillM3A"))
        return "ActionFillM3A";
    if (form == QLatin1String("FormFillM3"))
        return "ActionFillM3";
    if (form == QLatin1String("FormFillM4"))
        return "ActionFillM4";
    return "ActionFillM1";
}

void WaitUntil(const std::function<bool()>& done, int ms = 5000)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

struct SectorCase {
    int sectorId;
    const std::vector<Entry>& (*declaration)();
};

class EndToEnd : public ::testing::TestWithParam<SectorCase> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        folder = root.path() + QStringLiteral("/Declaracao 2023");
        QDir().mkpath(folder);
        SetFolderBrowser([this](QWidget*, const QString&, const QString&) { return folder; });
    }
    void TearDown() override { SetFolderBrowser(nullptr); }

    // Every visit typed by keys in the editor it opens; each visit ends by the menu jump to the
    // next editor, the last one by closing.
    void TypeDeclaration(ProgramRun& run, const std::vector<Visit>& visits)
    {
        for (std::size_t i = 0; i < visits.size(); ++i) {
            modals.then([&, i](QWidget& w) {
                auto* editor = qobject_cast<TFormFill*>(&w);
                const bool right = editor && editor->objectName() == visits[i].form;
                EXPECT_TRUE(right) << "visit " << i << " expected " << visits[i].form.toStdString() << ", got "
                                   << w.objectName().toStdString();
                if (!editor)
                    return;
                if (right) {
                    FillEditorByKeys(*editor, visits[i].rows);
                    for (int p = 0; p < editor->PageCount(); ++p)
                        alertsClicked += ClickEveryAlert(*editor, p);
                }
                if (i + 1 < visits.size())
                    editor->findChild<QAction*>(QString::fromLatin1(JumpTo(visits[i + 1].form)))->trigger();
                else
                    editor->ActionClose->trigger();
            });
        }
        run.main().ActionFillM1->trigger();
        EXPECT_TRUE(modals.done()) << "an editor did not open";
    }

    // Every editor of the walk once more, from M/1 through the menus: each prints every page of
    // its form as a test page and then as a final page, into PDF files.
    void PrintEveryForm(ProgramRun& run, const std::vector<Visit>& visits, const std::vector<Entry>& declaration)
    {
        QStringList forms;
        for (const Visit& v : visits)
            if (!forms.contains(v.form))
                forms << v.form;
        const QString pdfs = root.path() + QStringLiteral("/pdf");
        QDir().mkpath(pdfs);
        for (int i = 0; i < forms.size(); ++i) {
            modals.then([&, i](QWidget& w) {
                auto* editor = qobject_cast<TFormFill*>(&w);
                if (!editor)
                    return;
                EXPECT_EQ(editor->objectName(), forms[i]);
                int pages = PrintEveryPageToPdf(*editor, false, pdfs, declaration);
                if (editor->miPrintA3)
                    pages += PrintEveryPageToPdf(*editor, true, pdfs, declaration);
                printedPages += pages;
                if (i + 1 < forms.size())
                    editor->findChild<QAction*>(QString::fromLatin1(JumpTo(forms[i + 1])))->trigger();
                else
                    editor->ActionClose->trigger();
            });
        }
        run.main().ActionFillM1->trigger();
        EXPECT_TRUE(modals.done());
        EXPECT_GE(printedPages, 11) << "M/1 on A4 and A3, the annex pairs, M/4";
    }

    QTemporaryDir root;
    QString folder;
    ScriptedMessages messages;
    ModalScript modals;
    int alertsClicked = 0;
    int printedPages = 0;
};

TEST_P(EndToEnd, DeclarationTypedByKeysIsStoredAndComesBackAfterARestart)
{
    const SectorCase c = GetParam();
    std::vector<Entry> declaration;
    std::vector<Visit> visits;
    {
        ProgramRun run(&messages);
        // The rows of the editors this build of the program has.
        QStringList missing;
        for (const Entry& row : c.declaration()) {
            if (run.Editor(QString::fromLatin1(row.form)))
                declaration.push_back(row);
            else if (!missing.contains(QString::fromLatin1(row.form)))
                missing << QString::fromLatin1(row.form);
        }
        for (const QString& form : missing)
            std::cout << "no editor " << form.toStdString() << " in this build: its rows are left out" << std::endl;
        visits = Visits(declaration);
        ScriptSectorChoice(modals, c.sectorId);
        run.main().show();
        WaitUntil([&] { return !run.dm().CurrentFormFolder.isEmpty(); });
        ASSERT_FALSE(run.dm().CurrentFormFolder.isEmpty()) << "the folder chooser did not come up by itself";
        EXPECT_TRUE(messages.codes().contains(QStringLiteral("DM-008")));
        ASSERT_EQ(run.dm().cdsSys.fieldByName(u"Sector_ID").asInteger(), c.sectorId);

        TypeDeclaration(run, visits);
        if (HasFatalFailure())
            return;
        QStringList errors;
        qx::ClientDataSet& alerts = run.dm().cdsAlert;
        for (alerts.first(); !alerts.eof(); alerts.next())
            if (alerts.fieldByName(u"Alert_Type").asInteger() == kErrorAlert)
                errors << alerts.fieldByName(u"Field_Name").asString() + QStringLiteral(": ") + alerts.fieldByName(u"Msg_Por").asString();
        EXPECT_TRUE(errors.isEmpty()) << "errors left: " << errors.join(QStringLiteral("; ")).toStdString();
        if (TFormFill::PrintDialog())
            PrintEveryForm(run, visits, declaration);
        run.main().ActionSaveAll->trigger();
        run.main().ActionQuit->trigger();
        EXPECT_TRUE(run.dm().CurrentFormFolder.isEmpty()) << "quit leaves the folder open";
    }
    for (const ShownMessage& m : messages.shown)
        EXPECT_NE(m.dlgType, dtError) << m.code.toStdString() << ": " << m.eng.toStdString() << m.por.toStdString();
    messages.clear();

    ProgramRun again(&messages);
    again.main().FirstPaint = false;
    again.main().show();
    again.main().ActionSelectFolder->trigger();
    ASSERT_FALSE(again.dm().CurrentFormFolder.isEmpty());
    for (std::size_t i = 0; i < declaration.size(); ++i) {
        const Entry& row = declaration[i];
        const bool typedAgain = std::any_of(declaration.begin() + i + 1, declaration.end(), [&](const Entry& later) {
            return later.press == Press::AtAlert && qstrcmp(later.form, row.form) == 0 && qstrcmp(later.field, row.field) == 0;
        });
        if (typedAgain)
            continue;
        TFormFill* editor = again.Editor(QString::fromLatin1(row.form));
        ASSERT_NE(editor, nullptr) << row.form;
        // A list's rows: any row may hold it.
        qx::ClientDataSet& ds = ListOrPageDataSet(*editor, row.page);
        const qx::Field& f = ds.fieldByName(QString::fromLatin1(row.field));
        bool held = false;
        for (ds.first(); !ds.eof() && !held; ds.next())
            held = Holds(f, row);
        EXPECT_TRUE(held) << ds.name().toStdString() << "." << row.field << " does not hold \"" << StoredText(row).toStdString() << "\"";
    }
}

INSTANTIATE_TEST_SUITE_P(Sectors, EndToEnd,
                         ::testing::Values(SectorCase{0, &DeclarationSector0}, SectorCase{11, &DeclarationSector11}),
                         [](const auto& info) { return "Sector" + std::to_string(info.param.sectorId); });

}  // namespace
