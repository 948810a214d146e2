#include "view/HiddenCursorCountdown.h"

#include <gtest/gtest.h>

using namespace Lecterna;
using Action = HiddenCursorCountdown::Action;

TEST(HiddenCursorCountdown, HidesAtStartAndTenSecondsAfterEachMouseMove) {
    HiddenCursorCountdown c;
    EXPECT_EQ(c.tick(false), Action::None); // inactive window: nothing happens
    EXPECT_EQ(c.tick(true), Action::Hide);  // reading starts with the cursor hidden
    EXPECT_EQ(c.tick(true), Action::None);
    EXPECT_EQ(c.mouseMoved(), Action::Show);
    EXPECT_EQ(c.mouseMoved(), Action::None); // already shown: the countdown is not restarted
    for (int i = 0; i < HiddenCursorCountdown::kAfterMouseMove; ++i)
        EXPECT_EQ(c.tick(true), Action::None) << i;
    EXPECT_EQ(c.tick(true), Action::Hide);
    EXPECT_TRUE(c.isCursorHidden());
}

TEST(HiddenCursorCountdown, MenuDelaysHidingAndBringsAHiddenCursorBack) {
    HiddenCursorCountdown c;
    c.tick(true);
    EXPECT_EQ(c.menuOpened(), Action::Show);
    EXPECT_EQ(c.seconds(), HiddenCursorCountdown::kAfterMenuOpened);
    for (int i = 0; i < HiddenCursorCountdown::kAfterMenuOpened; ++i)
        c.tick(true);
    EXPECT_EQ(c.tick(true), Action::Hide);
    EXPECT_EQ(c.reset(), Action::Show); // hiding switched off
    EXPECT_EQ(c.reset(), Action::None);
}
