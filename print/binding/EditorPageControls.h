#pragma once
// An editor page's controls as laid out, for the position binding: each control's kind, its
// position in pixels within the page's scroll box (the layout's position, not the live geometry,
// which an auto-sizing text changes) and the dataset and field it edits.

#include <QString>
#include <vector>

namespace qx {
class ClientDataSet;
}

struct EditorControl {
    enum class Kind { Edit, CheckBox, Text, LookupListBox, Other };
    Kind kind = Kind::Other;
    int top = 0;
    int left = 0;
    qx::ClientDataSet* dataSet = nullptr;
    QString fieldName;
};

struct EditorPageControls {
    QString name;  // the scroll box's name, e.g. "ScrollBoxP1"
    std::vector<EditorControl> controls;  // in child order
};
