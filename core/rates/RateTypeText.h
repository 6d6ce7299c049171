#pragma once
// The type of a rate-table row as a list row's Tipo field holds it: cut to the field's width, as
// the first line of the type column shows it. Every path that copies a rate row's type into a list
// row (the ellipsis buttons, Shift+Ins, leaving the code column) goes through it.

#include <QString>

namespace qx {
class Field;
}

// `text` cut to at most `width` bytes as a field counts them (Big5: one byte for ASCII and
// Latin-1 letters, two for any other character), never inside a character.
QString CutToFieldWidth(const QString& text, int width);
// The same for the width of `field`; the text unchanged for a field of no fixed width.
QString CutToFieldWidth(const QString& text, const qx::Field& field);
