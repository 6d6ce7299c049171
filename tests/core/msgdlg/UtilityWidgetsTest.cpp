#include "core/msgdlg/MonitorFit.h"

#include <gtest/gtest.h>

TEST(MonitorFit, PositionsOnThePrimaryMonitorStay)
{
    EXPECT_EQ(FitToPrimary(0, 0, 1920, 0), 0);
    EXPECT_EQ(FitToPrimary(1920, 0, 1920, 1920), 1920);
    EXPECT_EQ(FitToPrimary(500, 0, 1920, 1920), 500);
}

TEST(MonitorFit, PositionsElsewhereMoveByTheMonitorOffsetOrToTheStart)
{
    // A window on a second monitor right of the primary comes over by that monitor's offset.
    EXPECT_EQ(FitToPrimary(2020, 0, 1920, 1920), 100);
    // Still outside after the shift: the primary monitor's start.
    EXPECT_EQ(FitToPrimary(5000, 0, 1920, 1920), 0);
    EXPECT_EQ(FitToPrimary(-300, 0, 1920, 0), 0);
    // A primary monitor that does not start at 0.
    EXPECT_EQ(FitToPrimary(100, 1280, 1920, 0), 1380);
}

