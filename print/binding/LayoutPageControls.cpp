#include "print/binding/LayoutPageControls.h"

#include "core/module/TdmMain.h"
#include "platform/layout/Coordinates.h"
#include "platform/layout/PageLayout.h"

namespace {

EditorControl::Kind controlKind(qx::BoxKind kind)
{
    switch (kind) {
    case qx::BoxKind::Edit: return EditorControl::Kind::Edit;
    case qx::BoxKind::TickBox: return EditorControl::Kind::CheckBox;
    case qx::BoxKind::DataText:
    case qx::BoxKind::HeaderText: return EditorControl::Kind::Text;
    default: return EditorControl::Kind::Other;
    }
}

}  // namespace

EditorPageControls LayoutPageControls(const qx::PageLayout& layout, const QString& scrollBoxName, const TdmMain& dm)
{
    EditorPageControls page{scrollBoxName, {}};
    const QPointF pxPerMm = qx::pixelsPerMm(layout.picturePx, layout.paperMm);
    for (const qx::Box& box : layout.boxes) {
        const QPoint at = qx::editorPoint(box.mm.topLeft(), pxPerMm);
        page.controls.push_back({controlKind(box.kind), at.y(), at.x(), dm.DataSetByName(box.dataSet), box.field});
    }
    return page;
}
