#pragma once
// What a folder file must hold beyond well-formed values: its field list declares no field its
// table lacks (another table's file under its name), a page of one record holds at most one,
// every row of a numbered dataset (the lists and observations pages) carries its own row number,
// and a list or observations page holds no more rows than its sheets can print. A file that
// breaks this was damaged or edited by hand; opening it would show or save a declaration other
// than the one on paper, or take more memory than the machine has. The reader checks it row by
// row, so such a file is refused at its first wrong row.

#include "core/module/TdmMain.h"
#include "platform/data/PacketShape.h"

// True for the settings record and the form pages that hold exactly one record.
bool IsSingleRecordFile(const TdmMain& dm, const TFolderFile& entry);

// The shape the file of `entry` must have.
qx::PacketShape FolderFileShapeOf(const TdmMain& dm, const TFolderFile& entry);
