// Room for every value: every page table against the widest value of each box, on screen and on
// paper, in the program's fonts; and the rule itself against boxes made too narrow.
#include "platform/layout/BoxFit.h"
#include "print/forms/WidestValues.h"

#include <gtest/gtest.h>

namespace {

TEST(BoxFit, EveryBoxHoldsItsWidestValue)
{
    for (const QString& name : qx::pageLayoutNames()) {
        const QStringList faults = CheckBoxFits(qx::pageLayout(name));
        EXPECT_TRUE(faults.isEmpty()) << faults.size() << " faults\n" << faults.join(QLatin1Char('\n')).toStdString();
    }
}

}  // namespace
