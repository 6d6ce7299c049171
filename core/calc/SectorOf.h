#pragma once
// The folder's sector: Sector_ID of the settings record, -1 (not chosen) when there is none.

class TdmMain;

int SectorOf(const TdmMain& dm);
