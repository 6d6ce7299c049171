// The page follows the focus by the least move: a box out of view comes to the nearer edge, a
// widget larger than the view is shown from its start (or left where part of it shows), and a
// grid's current cell, not the whole grid, is brought on screen.
#include "ui/framework/FocusScroll.h"

#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace {

// `canvas` under a frameless view of `view` pixels, shown.
void ShowUnder(QScrollArea& area, QWidget* canvas, QSize view)
{
    area.setFrameShape(QFrame::NoFrame);
    area.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area.setWidget(canvas);
    area.resize(view);
    area.show();
    QApplication::processEvents();
}

TEST(FocusScroll, TheFocusIsBroughtIntoViewByTheLeastMove)
{
    const struct {
        const char* what;
        QRect box;       // on a 1000 x 1000 canvas under a 200 x 200 view
        QPoint from;     // the scroll values before
        QPoint expected; // ... and after
    } cases[] = {
        {"below the view: its bottom at the view's bottom", {10, 500, 50, 20}, {0, 0}, {0, 320}},
        {"above the view: its top at the view's top", {10, 100, 50, 20}, {0, 600}, {0, 100}},
        {"right of the view: its right edge at the view's", {400, 10, 50, 20}, {0, 0}, {250, 0}},
        {"in view: nothing moves", {50, 50, 50, 20}, {20, 30}, {20, 30}},
        {"taller than the view, out of sight: shown from its top", {10, 600, 50, 300}, {0, 0}, {0, 600}},
        {"taller than the view, in part shown: stays", {10, 100, 50, 300}, {0, 250}, {0, 250}},
        {"wider than the view, out of sight: shown from its left", {500, 10, 300, 20}, {0, 0}, {500, 0}},
    };
    for (const auto& c : cases) {
        QScrollArea area;
        auto* canvas = new QWidget;
        canvas->resize(1000, 1000);
        auto* box = new QWidget(canvas);
        box->setGeometry(c.box);
        ShowUnder(area, canvas, {200, 200});
        area.horizontalScrollBar()->setValue(c.from.x());
        area.verticalScrollBar()->setValue(c.from.y());
        ScrollFocusIntoView(area, *box);
        EXPECT_EQ(QPoint(area.horizontalScrollBar()->value(), area.verticalScrollBar()->value()), c.expected) << c.what;
    }
}

// A grid wider than the view with its current cell far to the right: that cell comes on screen.
TEST(FocusScroll, AGridsFarCurrentCellIsBroughtOnScreen)
{
    QScrollArea area;
    auto* canvas = new QWidget;
    canvas->resize(1200, 400);
    auto* grid = new QTableWidget(3, 10, canvas);
    grid->setGeometry(0, 0, 1100, 150);
    for (int c = 0; c < 10; ++c)
        grid->setColumnWidth(c, 100);
    ShowUnder(area, canvas, {300, 300});
    grid->setCurrentCell(1, 9);
    ScrollFocusIntoView(area, *grid);
    const QRect cell = grid->visualRect(grid->model()->index(1, 9));
    const QRect shown(grid->viewport()->mapTo(area.viewport(), cell.topLeft()), cell.size());
    EXPECT_TRUE(area.viewport()->rect().contains(shown)) << shown.x() << "," << shown.y();
}

}  // namespace
