#pragma once
// The faults a page table can have that make its editor page, its report band and its paper
// disagree: boxes off the paper or off the band, overlapping boxes, a tab order that does not run
// column by column, and lines that group differently at the editor and the report scale (the
// report binding pairs boxes line by line, so then it would pair the wrong ones).

#include "platform/layout/PageLayout.h"

#include <QPoint>
#include <QStringList>
#include <vector>

namespace qx {

// Tolerance of the line grouping: a box whose top lies within this many pixels of the first box
// of a line belongs to that line.
inline constexpr int kLineTolerancePx = 5;

// Line numbers (from 1) of boxes at `topLefts`: sorted by top and left, a box opens a new line
// when its top differs from the top of the current line's first box by more than the tolerance.
std::vector<int> lineNumbers(const std::vector<QPoint>& topLefts);

// Indices of the boxes in reading order (line, then left) with their line numbers.
std::vector<std::pair<int, int>> readingOrder(const std::vector<QPoint>& topLefts);

// Boxes of `kind` on the page.
int countBoxes(const PageLayout& page, BoxKind kind);
// Data-aware boxes of the page that a report placement prints (its part of a shared band).
int countBound(const PageLayout& page, const ReportPlacement& placement);

// Every fault of the table, one text each; empty when the table is sound.
QStringList checkLayout(const PageLayout& page);

}  // namespace qx
