#pragma once
// What the edit colours and the repaint of a page need to know of a data-aware control. The
// data-aware widgets implement this next to their widget class; any other widget is "other".

namespace qx {
class Field;
}

enum class ControlKind { Other, Image, DataEdit, DataText, DataMemo, DataCheckBox, DataLookupList };

class DataControl {
public:
    virtual ~DataControl() = default;
    virtual ControlKind controlKind() const = 0;
    // The control's own read-only flag.
    virtual bool isReadOnly() const = 0;
    // The field shown; nullptr when the control is not bound.
    virtual const qx::Field* field() const = 0;
};
