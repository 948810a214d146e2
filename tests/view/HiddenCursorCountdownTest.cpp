#include "view/HiddenCursorCountdown.h"

#include <gtest/gtest.h>

using namespace Lecterna;
using Action = HiddenCursorCountdown::Action;

TEST(HiddenCursorCountdown, HidesAtStartTenSecondsAfterAMoveAndNeverOverAMenu) {
    HiddenCursorCountdown c;
    EXPECT_EQ(c.tick(false), Action::None); // inactive window: the countdown stands still
    EXPECT_EQ(c.tick(true), Action::Hide);  // reading starts with the cursor hidden
    EXPECT_EQ(c.mouseMoved(), Action::Show);
    EXPECT_EQ(c.mouseMoved(), Action::None); // already shown: no restart
    for (int i = 0; i < HiddenCursorCountdown::kAfterMouseMove; ++i)
        EXPECT_EQ(c.tick(true), Action::None) << i;
    EXPECT_EQ(c.tick(true), Action::Hide);
    // A menu opened while the cursor is hidden (from the keyboard) brings it back at once.
    EXPECT_EQ(c.menuOpened(), Action::Show);
    EXPECT_EQ(c.seconds(), HiddenCursorCountdown::kAfterMenuOpened);
}
