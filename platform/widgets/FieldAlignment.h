#pragma once
// A field's alignment as Qt's, vertically centred.

#include "platform/data/FieldDef.h"

#include <Qt>

inline Qt::Alignment QtAlignmentOf(qx::Alignment alignment)
{
    switch (alignment) {
    case qx::Alignment::Right: return Qt::AlignRight | Qt::AlignVCenter;
    case qx::Alignment::Center: return Qt::AlignHCenter | Qt::AlignVCenter;
    case qx::Alignment::Left: break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}
