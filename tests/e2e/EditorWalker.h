#pragma once
// Fills an editor the way a person does: the page's tab clicked, the first box clicked, then
// Enter from box to box; at a box of the declaration its text typed, its tick toggled with the
// space bar, its date picked in the calendar or its auto-calc button pressed. Failures are
// reported as test failures naming the box.

#include "Declaration.h"

#include <QString>
#include <span>

class TFormFill;
class QWidget;
namespace qx {
class ClientDataSet;
class Field;
}

// The rows of one page, in Enter order.
void FillPageByKeys(TFormFill& editor, int page, std::span<const Entry> rows);
// Every run of rows of one page, in order.
void FillEditorByKeys(TFormFill& editor, std::span<const Entry> rows);

// Clicks each alert of the page in turn; every click must put the focus on the box of the
// alert's field (or flash its text). Returns the number of alerts shown.
int ClickEveryAlert(TFormFill& editor, int page);

// The dataset a page edits: its list on a list page, else the page's dataset.
qx::ClientDataSet& ListOrPageDataSet(TFormFill& editor, int page);
// The field behind a data-aware control; empty for any other widget.
QString FieldOf(const QWidget* w);
// True when the field holds what the row says it holds.
bool Holds(const qx::Field& f, const Entry& row);
QString StoredText(const Entry& row);
