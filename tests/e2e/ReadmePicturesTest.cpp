// The README's pictures, rendered offscreen from the real program over a filled folder: the main
// window, the M/1 editor with its alert frame, the print dialog. Written only when
// QX_PICTURES_DIR names a folder (scripts/readme-pictures); skipped otherwise.
#include "Declaration.h"
#include "EditorWalker.h"
#include "ProgramRun.h"
#include "support/ScriptedMessages.h"
#include "print/dialog/TFormPrnSetup.h"
#include "ui/framework/TFrameDBGridAlert.h"
#include "ui/mainwindow/BrowseForFolder.h"

#include <QAction>
#include <QDir>
#include <gtest/gtest.h>

namespace {

void Settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

bool Save(QWidget& w, const QString& dir, const char* name)
{
    Settle();
    return w.grab().save(dir + QLatin1Char('/') + QLatin1String(name));
}

TEST(ReadmePictures, MainWindowEditorWithAlertsPrintDialog)
{
    const QString out = qEnvironmentVariable("QX_PICTURES_DIR");
    if (out.isEmpty())
        GTEST_SKIP() << "QX_PICTURES_DIR not set";
    QDir().mkpath(out);
    // A fixed folder name, so that the status bar reads the same on every rendering.
    QDir root(QDir::temp().filePath(QStringLiteral("quendrix-pictures")));
    root.removeRecursively();
    const QString folder = root.filePath(QStringLiteral("Declaracao 2023"));
    QDir().mkpath(folder);
    SetFolderBrowser([&](QWidget*, const QString&, const QString&) { return folder; });
    ScriptedMessages messages;
    ProgramRun run(&messages);
    run.main().FirstPaint = false;
    run.main().resize(1000, 640);
    run.main().show();
    OpenNewFolder(run);
    ASSERT_FALSE(run.dm().CurrentFormFolder.isEmpty());
    // The general sector's declaration, with a period that ends before it starts: the M/1 front
    // page has an error to show.
    for (const Entry& row : DeclarationSector0()) {
        TFormFill* editor = run.Editor(QString::fromLatin1(row.form));
        if (!editor || row.press == Press::RateRow || row.press == Press::NewRow || row.press == Press::Cell)
            continue;  // the pages only; the lists stay empty
        qx::ClientDataSet& ds = *editor->PageAt(row.page).spec.dataSet;
        ds.edit();
        qx::Field& f = ds.fieldByName(QString::fromLatin1(row.field));
        if (row.press == Press::Space)
            f.setAsBoolean(true);
        else
            f.setAsString(StoredText(row));
        ds.post();
    }
    run.dm().cdsM1P1.edit();
    run.dm().cdsM1P1.fieldByName(u"Periodo_a").setAsString(QStringLiteral("31/12/2022"));
    run.dm().cdsM1P1.post();
    EXPECT_TRUE(Save(run.main(), out, "main-window.png"));

    TFormFill& editor = *run.Editor(QStringLiteral("FormFillM1"));
    editor.resize(1000, 760);
    editor.show();
    Settle();
    TFormFill::Page& page = editor.PageAt(0);
    EXPECT_TRUE(page.FrameDBGridAlert->isVisible()) << "no alert to show";
    EXPECT_TRUE(Save(editor, out, "editor-with-alerts.png"));
    editor.close();

    TFormPrnSetup& dialog = *run.forms().FormPrnSetup;
    dialog.PageCode = 1011;
    dialog.M1OnA4 = true;
    dialog.show();
    EXPECT_TRUE(Save(dialog, out, "print-dialog.png"));
    dialog.hide();
    run.main().ActionSaveAndCloseAll->trigger();
    SetFolderBrowser(nullptr);
    root.removeRecursively();
}

}  // namespace
