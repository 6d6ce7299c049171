// The README's pictures, rendered offscreen from the real program over a filled folder: the main
// window, the M/1 editor with its alert frame, the print dialog. Written only when
// QX_PICTURES_DIR names a folder (scripts/readme-pictures); skipped otherwise.
#include "Declaration.h"
#include "EditorWalker.h"
#include "ProgramRun.h"
#include "support/ScriptedMessages.h"
#include "print/dialog/TFormPrnSetup.h"
#include "ui/framework/EditorTabs.h"
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

    // M/4's front with seven-digit amounts in every box of its first table.
    qx::ClientDataSet& m4 = run.dm().cdsM4P1;
    m4.edit();
    const auto amount = [&](const QString& field, int units) { m4.fieldByName(field).setAsString(QString::number(units)); };
    for (int line = 1; line <= 4; ++line)
        for (int column = 1; column <= 8; ++column)
            amount(QStringLiteral("1_R%1_Col%2_Mop").arg(line).arg(column), 1000000 + (line * 8 + column) * 123457 % 8000000);
    for (int line = 5; line <= 7; ++line)
        for (int column = 2; column <= 8; column += 2)
            amount(QStringLiteral("1_R%1_Col%2_Mop").arg(line).arg(column), 2000000 + (line * 8 + column) * 234567 % 7000000);
    m4.fieldByName(u"1_R4_Desc_1").setAsString(QStringLiteral("Garantias a clientes"));
    m4.fieldByName(u"1_R5_Desc").setAsString(QStringLiteral("Litígios em curso"));
    m4.fieldByName(u"1_R6_Desc").setAsString(QStringLiteral("Reestruturação"));
    m4.fieldByName(u"1_R7_Desc").setAsString(QStringLiteral("Outras provisões"));
    m4.post();
    TFormFill& m4Editor = *run.Editor(QStringLiteral("FormFillM4"));
    m4Editor.resize(1400, 760);
    m4Editor.show();
    Settle();
    if (QWidget* focused = QApplication::focusWidget())
        focused->clearFocus();
    Settle();
    TFormFill::Page& m4Front = m4Editor.PageAt(0);
    EXPECT_TRUE(m4Front.Content->grab(QRect(0, 170, m4Front.Content->width(), 310))
                    .save(out + QStringLiteral("/m4-editor.png")));
    m4Editor.close();

    // The M/3 list with ten-digit amounts, a long type and sheet numbers past 9.
    qx::ClientDataSet& list = run.dm().cdsM3VCLF;
    for (int row = 1; row <= 400; ++row) {
        list.append();
        list.fieldByName(u"Codigo").setAsString(QStringLiteral("1.2"));
        list.fieldByName(u"Tipo").setAsString(row % 2 ? QStringLiteral("Edifícios comerciais e armazéns") .left(30)
                                                      : QStringLiteral("Edifícios"));
        list.fieldByName(u"Ano_Aqu").setAsString(QStringLiteral("2019"));
        list.fieldByName(u"Mes_Ini_de_Util").setAsString(QStringLiteral("7"));
        list.fieldByName(u"Col1_Mop").setAsString(QString::number(qint64(1234567890) + row * 1111));
        list.fieldByName(u"DA_Taxas").setAsString(QStringLiteral("20"));
        list.fieldByName(u"DA_Meses").setAsString(QStringLiteral("12"));
        list.fieldByName(u"Col5_Mop").setAsString(QString::number((qint64(1234567890) + row * 1111) / 5));
        list.post();
    }
    TFormFill& m3Editor = *run.Editor(QStringLiteral("FormFillM3"));
    m3Editor.resize(1640, 700);
    m3Editor.show();
    m3Editor.PageControl->setCurrentIndex(1);
    list.setRecNo(list.recordCount());
    Settle();
    EXPECT_TRUE(Save(m3Editor, out, "m3-list.png"));
    m3Editor.close();
    run.main().ActionSaveAndCloseAll->trigger();
    SetFolderBrowser(nullptr);
    root.removeRecursively();
}

}  // namespace
