#pragma once
// Prints an editor's form the way a person does: the editor's print command opens the print
// dialog; for every page of its list the page is clicked, a PDF file chosen in the system's
// printer dialog, a test page printed and then the final page. Each final PDF is checked: every
// declaration value of that page shows inside its box.

#include "Declaration.h"

#include <QString>
#include <span>

class TFormFill;

// `a3`: M/1's A3 print command instead of the A4 one. Returns the number of final pages printed.
int PrintEveryPageToPdf(TFormFill& editor, bool a3, const QString& pdfFolder, std::span<const Entry> declaration);
