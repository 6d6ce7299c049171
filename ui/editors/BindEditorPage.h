#pragma once
// What the print dialog does when an editor's first show asks it to bind a report band: the band
// named `band` of report form `form` gets the editor page's data controls by position. For the
// print dialog's side of the editors' print interface; true when every data text was bound.

#include <QString>

class QScrollArea;
class ReportForms;

bool BindEditorPage(ReportForms& forms, const QScrollArea& page, const QString& form, const QString& band, int minLeft,
                    int maxLeft);
