#include "ui/editors/EditorPageControlsOf.h"

#include "platform/widgets/DataAware.h"
#include "platform/widgets/DataControl.h"
#include "ui/editors/LayoutPage.h"

#include <QScrollArea>

namespace {

EditorControl::Kind kindOf(ControlKind kind)
{
    switch (kind) {
    case ControlKind::DataEdit: return EditorControl::Kind::Edit;
    case ControlKind::DataCheckBox: return EditorControl::Kind::CheckBox;
    case ControlKind::DataText: return EditorControl::Kind::Text;
    case ControlKind::DataLookupList: return EditorControl::Kind::LookupListBox;
    default: return EditorControl::Kind::Other;
    }
}

}  // namespace

EditorPageControls EditorPageControlsOf(const QScrollArea& scrollBox)
{
    EditorPageControls page;
    page.name = scrollBox.objectName();
    const QWidget* canvas = scrollBox.widget();
    if (!canvas)
        return page;
    for (QObject* child : canvas->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        auto* control = dynamic_cast<DataControl*>(child);
        auto* aware = dynamic_cast<DataAware*>(child);
        if (!widget || !control || !aware)
            continue;
        EditorControl c;
        c.kind = kindOf(control->controlKind());
        const QRect box = LayoutRectOf(*widget);
        c.top = box.top();
        c.left = box.left();
        c.dataSet = aware->dataSource() ? aware->dataSource()->dataSet() : nullptr;
        c.fieldName = aware->boundField() ? aware->boundField()->fieldName() : aware->dataField();
        page.controls.push_back(c);
    }
    return page;
}
