#include "core/msgdlg/MonitorFit.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <optional>

namespace {

bool inside(int pos, int start, int extent) { return pos >= start && pos <= start + extent; }

// The primary monitor and the one nearest to the window (the primary when there is no window or
// no screen for it).
struct Monitors {
    QRect primary;
    QRect nearest;
};

std::optional<Monitors> monitorsOf(const QWidget* wnd)
{
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (!primary)
        return std::nullopt;
    const QScreen* nearest = wnd ? wnd->screen() : nullptr;
    return Monitors{primary->geometry(), (nearest ? nearest : primary)->geometry()};
}

}  // namespace

int FitToPrimary(int pos, int primaryStart, int primaryExtent, int nearestStart)
{
    if (!inside(pos, primaryStart, primaryExtent))
        pos = pos + primaryStart - nearestStart;
    if (!inside(pos, primaryStart, primaryExtent))
        pos = primaryStart;
    return pos;
}

int FitLeftToMonitor(const QWidget* wnd, int left)
{
    const auto monitors = monitorsOf(wnd);
    if (!monitors)
        return left;
    return FitToPrimary(left, monitors->primary.left(), monitors->primary.width(), monitors->nearest.left());
}

int FitTopToMonitor(const QWidget* wnd, int top)
{
    const auto monitors = monitorsOf(wnd);
    if (!monitors)
        return top;
    return FitToPrimary(top, monitors->primary.top(), monitors->primary.height(), monitors->nearest.top());
}
