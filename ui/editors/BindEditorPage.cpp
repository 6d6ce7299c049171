#include "ui/editors/BindEditorPage.h"

#include "print/binding/BindReportFields.h"
#include "print/forms/ReportForms.h"
#include "ui/editors/EditorPageControlsOf.h"

bool BindEditorPage(ReportForms& forms, const QScrollArea& page, const QString& form, const QString& band, int minLeft,
                    int maxLeft)
{
    TReportForm* f = forms.form(form);
    for (int i = 0; f && i < f->pageCount(); ++i)
        if (qx::report::ReportBand* b = f->pageAt(i).findBand(band))
            return BindReportFields(EditorPageControlsOf(page), *b, minLeft, maxLeft < 0 ? int(b->width) : maxLeft);
    return false;
}
