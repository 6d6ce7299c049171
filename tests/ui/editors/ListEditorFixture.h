#pragma once
// The M/3 and M/3A editors over a data module with a fresh folder, with a print dialog that
// records what it is asked, a scripted rate-table picker and counted beeps.

#include "core/util/Clock.h"
#include "platform/widgets/DataEdit.h"
#include "platform/widgets/DataGrid.h"
#include "platform/widgets/WidgetTestData.h"
#include "support/DmFixture.h"
#include "ui/editors/RateTablePicker.h"
#include "ui/editors/TFormFillM3.h"
#include "ui/editors/TFormFillM3A.h"
#include "ui/editors/TListGridPage.h"
#include "ui/framework/EditorTabs.h"

#include <QAction>
#include <QApplication>
#include <QTest>

struct PrintCall {
    int pageCode = 0, pagNum = 0, faceNum = 0;
};

class SheetPrintDialog : public PrintDialogPort {
public:
    std::vector<PrintCall> calls;
    PrintCall next;
    std::function<void()> whileShown;

    void BindReportFields(QScrollArea&, const QString&, const QString&, int, int) override {}
    void SetPageCode(int code) override { next.pageCode = code; }
    void SetM1OnA4(bool) override {}
    void SetSheet(int pagNum, int faceNum) override { next.pagNum = pagNum, next.faceNum = faceNum; }
    void ShowModal() override
    {
        if (whileShown)
            whileShown();
        calls.push_back(next);
        next = {};
    }
};

class ScriptedPicker : public RateTablePicker {
public:
    bool ok = true;
    int recNo = 4;  // "1.2", 工業樓宇(批租地), Edifícios industriais, 4.00 %
    bool chinese = true;
    int shown = 0;
    QString located;

    bool ShowModalOk(const QString& locate) override
    {
        ++shown;
        located = locate;
        return ok;
    }
    int SelectedRecNo() const override { return recNo; }
    bool Chinese() const override { return chinese; }
};

class ListEditorFixture : public DmFixture {
protected:
    void SetUp() override
    {
        DmFixture::SetUp();
        TFormFill::SetPrintDialog(&printDialog);
        TListGridPage::SetRatePicker(&picker);
        SetBeepHandler([this] { ++beeps; });
        m3 = std::make_unique<TFormFillM3>(*dm);
        m3a = std::make_unique<TFormFillM3A>(*dm);
    }
    void TearDown() override
    {
        m3.reset();
        m3a.reset();
        SetBeepHandler(nullptr);
        TListGridPage::SetRatePicker(nullptr);
        TFormFill::SetPrintDialog(nullptr);
        DmFixture::TearDown();
    }

    static void Show(TFormFill& editor)
    {
        ShowActive(editor);
        QApplication::processEvents();
    }
    static QWidget* Focused() { return QApplication::focusWidget(); }
    static void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(Focused(), Qt::Key(key), modifiers);
        QApplication::processEvents();
    }
    static void Type(const QString& text)
    {
        for (QChar c : text)
            QTest::keyClick(Focused(), c.toLatin1());
    }
    // Puts the grid's current cell on (row, column) and gives it the focus.
    static void Cell(TListGridPage& page, int row, int column)
    {
        page.DBGrid->setFocus();
        page.DBGrid->setCurrentIndex(page.DBGrid->model()->index(row, column));
        QApplication::processEvents();
    }
    static int Column(TListGridPage& page, const char* field)
    {
        for (int c = 0; c < int(page.Spec().columns.size()); ++c)
            if (qstrcmp(page.Spec().columns[std::size_t(c)].field, field) == 0)
                return c;
        return -1;
    }
    static QString Text(qx::ClientDataSet& ds, const char* field) { return ds.fieldByName(QString::fromLatin1(field)).asString(); }

    // Appends a row with the fields' texts; posted unless asked to stay in edit.
    static void AppendRow(qx::ClientDataSet& list, const std::vector<std::pair<const char*, QString>>& values,
                          bool post = true)
    {
        list.append();
        for (const auto& [field, text] : values)
            list.fieldByName(QString::fromLatin1(field)).setAsString(text);
        if (post)
            list.post();
    }
    // One row that passes its checks.
    void AddM3Row(int col1 = 1000, const char* codigo = "1.2")
    {
        AppendRow(dm->cdsM3VCLF, {{"Codigo", QString::fromLatin1(codigo)}, {"Tipo", QStringLiteral("Edifícios")},
                                  {"Col1_Mop", QString::number(col1)}, {"DA_Taxas", QStringLiteral("4")},
                                  {"DA_Meses", QStringLiteral("12")}, {"Col5_Mop", QString::number(col1 / 25)}});
    }
    void AddAliRow()
    {
        AppendRow(dm->cdsM3AAli, {{"Codigo", QStringLiteral("1.2")}, {"Tipo", QStringLiteral("Edifícios")},
                                  {"Col1_Mop", QStringLiteral("500")}});
    }
    // Starts a row the checks refuse (a code and no amount) and leaves it in edit.
    static void StartRefusedRow(qx::ClientDataSet& list)
    {
        AppendRow(list, {{"Codigo", QStringLiteral("1.2")}, {"Ano_Aqu", QStringLiteral("2020")}}, false);
    }

    SheetPrintDialog printDialog;
    ScriptedPicker picker;
    int beeps = 0;
    std::unique_ptr<TFormFillM3> m3;
    std::unique_ptr<TFormFillM3A> m3a;
};
