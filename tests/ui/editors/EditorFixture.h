#pragma once
// The editors over a data module with a fresh folder, with a print dialog and a calendar that
// record what the editors ask of them. With `forms`, the print dialog binds the report forms'
// bands to the editor pages as the program does.

#include "platform/report/ReportPage.h"
#include "print/binding/BindReportFields.h"
#include "print/forms/ReportForms.h"
#include "support/DmFixture.h"
#include "ui/editors/EditorPageControlsOf.h"
#include "platform/widgets/DataEdit.h"
#include "platform/widgets/WidgetTestData.h"
#include "ui/editors/FillEditors.h"

#include <QApplication>
#include <QScrollArea>
#include <QTest>
#include <QToolButton>

struct BindCall {
    QString scrollBox, form, band;
    bool clean = false;
};

class RecordingPrintDialog : public PrintDialogPort {
public:
    ReportForms* forms = nullptr;
    std::vector<BindCall> binds;
    std::vector<int> codes;
    std::vector<bool> onA4;
    int shown = 0;

    void BindReportFields(QScrollArea& page, const QString& form, const QString& band, int minLeft,
                          int maxLeft) override
    {
        BindCall call{page.objectName(), form, band, false};
        if (forms) {
            TReportForm* f = forms->form(form);
            qx::report::ReportBand* b = nullptr;
            for (int i = 0; f && !b && i < f->pageCount(); ++i)
                b = f->pageAt(i).findBand(band);
            if (b)
                call.clean = ::BindReportFields(EditorPageControlsOf(page), *b, minLeft,
                                                maxLeft < 0 ? int(b->width) : maxLeft);
        }
        binds.push_back(call);
    }
    void SetPageCode(int pageCode) override { codes.push_back(pageCode); }
    void SetM1OnA4(bool a4) override { onA4.push_back(a4); }
    void ShowModal() override { ++shown; }
};

class RecordingCalendar : public CalendarPort {
public:
    DataEdit* target = nullptr;
    void ShowFor(DataEdit& edit) override { target = &edit; }
};

class EditorFixture : public DmFixture {
protected:
    void SetUp() override
    {
        DmFixture::SetUp();
        TFormFill::SetPrintDialog(&printDialog);
        TFormFill::SetCalendar(&calendar);
        editors = std::make_unique<FillEditors>(*dm);
    }
    void TearDown() override
    {
        editors.reset();
        TFormFill::SetPrintDialog(nullptr);
        TFormFill::SetCalendar(nullptr);
        DmFixture::TearDown();
    }

    void SetSector(int sector) { PostField(dm->cdsSys, "Sector_ID", QString::number(sector)); }
    static void Show(TFormFill& editor)
    {
        ShowActive(editor);
        QApplication::processEvents();
    }
    static QWidget* Focused() { return QApplication::focusWidget(); }
    // The edit of a field on a page (the first of two boxes of one field).
    static DataEdit& EditOf(TFormFill& editor, int page, const char* field)
    {
        for (QObject* child : editor.PageAt(page).Content->children())
            if (auto* e = qobject_cast<DataEdit*>(child); e && e->dataField() == QLatin1String(field))
                return *e;
        throw std::runtime_error(std::string("no edit of ") + field);
    }
    static void TypeInto(DataEdit& edit, const QString& text)
    {
        edit.setFocus();
        edit.selectAll();
        QTest::keyClicks(&edit, text);
    }
    template <class T = QWidget>
    static T& Child(TFormFill& editor, const char* name)
    {
        T* w = editor.findChild<T*>(QString::fromLatin1(name));
        if (!w)
            throw std::runtime_error(std::string("no control ") + name);
        return *w;
    }

    RecordingPrintDialog printDialog;
    RecordingCalendar calendar;
    std::unique_ptr<FillEditors> editors;
};
