#include "print/forms/FaceRows.h"

#include "platform/data/ClientDataSet.h"
#include "print/forms/FaceSums.h"

int FaceOrdinal::ofCurrentRow()
{
    if (!pagNum_ || stamp_ != list_.fieldsStamp()) {
        pagNum_ = &list_.fieldByName(u"pag_num");
        faceNum_ = withFace_ ? &list_.fieldByName(u"face_num") : nullptr;
        stamp_ = list_.fieldsStamp();
    }
    const int page = pagNum_->asInteger();
    return faceNum_ ? of(page, faceNum_->asInteger()) : page;
}

FaceRows ScanFaceRows(qx::ClientDataSet& list, FaceOrdinal& ordinal, int target, SumColumns* columns,
                      FaceSums* carried)
{
    FaceRows rows;
    if (!list.active())
        return rows;
    list.first();
    while (!list.eof() && ordinal.ofCurrentRow() < target) {
        if (columns && carried)
            columns->addCurrentRow(*carried);
        list.next();
    }
    while (!list.eof() && ordinal.ofCurrentRow() == target) {
        if (rows.first == 0)
            rows.first = list.recNo();
        list.next();
    }
    rows.last = list.eof() ? list.recordCount() : list.recNo() - 1;
    return rows;
}
