#include "platform/report/DisplayList.h"

namespace qx::report {

QPointF DisplayText::anchor() const
{
    switch (alignment) {
    case TextAlignment::Left: return box.topLeft();
    case TextAlignment::Right: return box.topRight();
    case TextAlignment::Center: return {box.center().x(), box.top()};
    }
    return box.topLeft();
}

const DisplayText* DisplayList::findText(const QString& name) const
{
    for (const DisplayText& t : texts)
        if (t.name == name)
            return &t;
    return nullptr;
}

}  // namespace qx::report
