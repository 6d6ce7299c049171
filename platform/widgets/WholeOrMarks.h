#pragma once
// A number or a date shows whole or not at all: a value wider than the room its control has is
// replaced by a run of '#' as wide as that room (as a spreadsheet shows a number its column cannot
// hold), never cut to its last or first digits. Texts may scroll or be cut instead.

#include "platform/data/FieldDef.h"

#include <QString>

class QFontMetrics;
class QFontMetricsF;

// Whether a field's values must show whole: qx::ShowsWhole (FieldDef.h).

// `text` where it fits `room` pixels in `metrics`, else the marks that fill the room.
QString WholeOrMarks(const QString& text, const QFontMetrics& metrics, int room);
// The same measured to the fraction of a pixel, as an item view does before it elides a text
// ("99…"): for a grid's cells.
QString WholeOrMarks(const QString& text, const QFontMetricsF& metrics, int room);
