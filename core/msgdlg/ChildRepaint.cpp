#include "core/msgdlg/ChildRepaint.h"

#include "platform/widgets/DataControl.h"

#include <QCoreApplication>
#include <QLabel>
#include <QWidget>

namespace {

bool isRepaintedKind(ControlKind kind)
{
    return kind == ControlKind::Image || kind == ControlKind::DataEdit || kind == ControlKind::DataText
           || kind == ControlKind::DataCheckBox;
}

bool isRepainted(QWidget* widget)
{
    if (const auto* data = dynamic_cast<const DataControl*>(widget))
        return isRepaintedKind(data->controlKind());
    const auto* label = qobject_cast<const QLabel*>(widget);
    return label && !label->pixmap().isNull();
}

}  // namespace

void InvalidateChildControls(QObject* form, QWidget* parent)
{
    if (!form)
        return;
    for (QWidget* widget : form->findChildren<QWidget*>())
        if (widget->parentWidget() == parent && isRepainted(widget))
            widget->update();
    QCoreApplication::processEvents();
}
