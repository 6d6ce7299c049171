#pragma once
// Colours of data-aware controls as they receive and lose the focus.

#include "platform/widgets/DataControl.h"

#include <QColor>
#include <QPalette>
#include <optional>

class QWidget;

struct EditColors {
    QColor background;
    QColor text;
};

// The colours of a control of `kind`; nullopt leaves the control as it is (any control that is
// not a data-aware edit, memo, check box or lookup list). `negative` only counts for edits.
std::optional<EditColors> EditColorsFor(ControlKind kind, bool readOnly, bool negative, bool entering,
                                        const QPalette& system);

// True when the field holds a value below zero: integer, auto-increment and currency fields.
// Null, text and other fields, and no field, are never negative.
bool IsNegativeFieldValue(const qx::Field* field);

void SetEnterColors(QWidget* control);
void SetExitColors(QWidget* control);
