#pragma once
// Keeps the main window's left and top on the primary monitor.

class QWidget;

// One axis: `pos` outside [primaryStart, primaryStart + primaryExtent] is first shifted by the
// offset between the primary monitor and the monitor nearest to the window (nearestStart); when
// still outside it becomes primaryStart.
int FitToPrimary(int pos, int primaryStart, int primaryExtent, int nearestStart);

int FitLeftToMonitor(const QWidget* wnd, int left);
int FitTopToMonitor(const QWidget* wnd, int top);
