#pragma once
// The observation pages of M/3 and M/3A (one record per printed sheet or page): keeping them
// as long as the lists need, following the list's current row, and what a page holds.
// Every move of an observation page posts what was typed on it first, so a move never drops
// observations; a closed page is left alone.

class TdmMain;

namespace qx {
class ClientDataSet;
}

// Posts a pending edit or insert of `obs`. True when `obs` is open and in browse state after.
bool PostPendingObs(qx::ClientDataSet& obs);

// True when the trimmed concatenation of R1_Obs to R6_Obs of the current record is not empty.
bool ObsRecordHasText(const qx::ClientDataSet& obs);

// Appends and posts empty records until `obs` holds `pages` records. Stops early when `obs` is
// closed or when an appended record does not show up in its count, so it always ends.
void KeepObsRecords(TdmMain& dm, qx::ClientDataSet& obs, int pages);

// Moves `obs` to record `page` (the sheet of the list's current row), when that record exists
// and `obs` is not already on it.
void FollowListPage(qx::ClientDataSet& obs, int page);
