#pragma once
// What a data packet must hold beyond well-formed values, checked while it is read so that a
// damaged file is refused at its first wrong row, before its rows take any memory.

#include <QString>

namespace qx {

struct PacketShape {
    int maxRows = -1;  // at most this many rows; -1: any number
    QString keyField;  // when set: an integer field every row gives, no two rows alike
    QString maxRowsWhy;  // why no more rows can be, for the message ("one per printed sheet, ...")
    bool tableFieldsOnly = false;  // the field list declares no field the table lacks (another
                                   // table's file); it may lack some of the table's (an older file)
};

}  // namespace qx
