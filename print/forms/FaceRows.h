#pragma once
// Which rows of an asset list a printed face holds. Rows are in list order, so the rows of one
// face are consecutive: a face is found by scanning the list from its first row, summing the rows
// of the faces before it (the totals it carries in) on the way.

#include <QString>
#include <cstdint>

class FaceSums;
class SumColumns;

namespace qx {
class ClientDataSet;
class Field;
}

// Where a row is printed, as one number that grows along the list: on M/3 (sheet - 1) * 2 + face
// (from the row's pag_num and face_num), on M/3A the row's page (pag_num).
class FaceOrdinal {
public:
    FaceOrdinal(qx::ClientDataSet& list, bool withFace) : list_(list), withFace_(withFace) {}
    int ofCurrentRow();
    // The ordinal of sheet `sheet`, face `face` (M/3) or of page `sheet` (M/3A).
    int of(int sheet, int face) const { return withFace_ ? (sheet - 1) * 2 + face : sheet; }

private:
    qx::ClientDataSet& list_;
    bool withFace_;
    const qx::Field* pagNum_ = nullptr;
    const qx::Field* faceNum_ = nullptr;
    std::uint64_t stamp_ = 0;
};

// Record numbers of a face's rows in the list (0: none). `last` is the list's last row when the
// scan ran off its end, else the row before the one it stopped on, so a face without rows can
// still have a `last`: only both together mean rows.
struct FaceRows {
    int first = 0;
    int last = 0;
    bool hasRows() const { return first != 0 && last != 0; }
};

// From the first row of `list`: the rows before face `target` are added to `carried` (when given),
// the rows on it give `first`; the list is left on the row the scan stopped on.
FaceRows ScanFaceRows(qx::ClientDataSet& list, FaceOrdinal& ordinal, int target, SumColumns* columns,
                      FaceSums* carried);
