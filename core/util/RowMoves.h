#pragma once
// Row operations of the lists whose order is their auto-increment key: the keys never change,
// the values move between rows. Values are copied typed (nulls included) and every operation is
// all-or-nothing: when a post is refused, the rows already rewritten get their values back and
// the error is raised again. Controls are disabled for the duration. A record being edited is
// first left as any move leaves it: posted when modified, dropped when untouched.

namespace qx {
class ClientDataSet;
}

// Makes the row at the cursor an empty row by moving its values and those of every following
// row one row down (the last values go to a new row). Result always true.
bool InsertRowAtCursor(qx::ClientDataSet& dataSet);
// Exchanges the values of the current row with the previous row and follows them; on an empty
// list or the first row it only beeps. Result always true.
bool MoveRowUp(qx::ClientDataSet& dataSet);
// The same with the next row; beeps on an empty list or the last row.
bool MoveRowDown(qx::ClientDataSet& dataSet);
