#pragma once
// What a loaded folder file must hold beyond well-formed values: a page of one record holds at
// most one, and every row of a numbered dataset (the lists and observations pages) carries its
// own row number. A file that breaks this was damaged or edited by hand; opening it would show or
// save a declaration other than the one on paper.

#include "core/module/TdmMain.h"

#include <QString>

// True for the settings record and the form pages that hold exactly one record.
bool IsSingleRecordFile(const TdmMain& dm, const TFolderFile& entry);

// Empty when the loaded dataset of `entry` has a sound shape; else the fault, in words.
QString FolderFileShapeFault(const TdmMain& dm, const TFolderFile& entry);
