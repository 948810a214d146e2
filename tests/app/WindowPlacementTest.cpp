#include "app/WindowPlacement.h"

#include "app/IniFile.h"
#include "app/SettingsLocation.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace Lecterna;
using Lecterna::Test::TempFolder;

TEST(WindowPlacement, FitsTheStoredPlacementToTheScreen) {
    struct Case {
        WindowPlacement stored;
        bool maximised, setBounds;
        int left, width;
    };
    const std::vector<Case> cases = {
        {{100, 50, 600, 400, 0}, false, true, 100, 600},
        {{100, 50, 600, 400, 1}, false, true, 100, 600}, // minimised restores as normal
        {{100, 50, 600, 400, 2}, true, false, 100, 600},
        {{700, 50, 600, 400, 0}, false, true, 700, 324}, // cut at the right edge
        {{-20, 50, 600, 400, 0}, false, true, 0, 600},
        {{1024, 50, 600, 400, 0}, false, true, 0, 600},
        {{0, 0, -1, -1, 0}, false, false, 0, -1}, // never stored
        {{10, 0, 500, -1, 0}, false, false, 10, 500},
    };
    for (const Case& c : cases) {
        const auto g = c.stored.restore(1024);
        EXPECT_EQ(g.maximised, c.maximised) << c.stored.left << " " << c.stored.windowState;
        EXPECT_EQ(g.setBounds, c.setBounds) << c.stored.left << " " << c.stored.windowState;
        EXPECT_EQ(g.left, c.left) << c.stored.left;
        EXPECT_EQ(g.width, c.width) << c.stored.left;
    }
}

TEST(WindowPlacement, SavedThroughTheLocationUnlessNothingMayBeWritten) {
    TempFolder dir;
    const std::string ini = dir / "Lecterna.ini";
    const WindowPlacement p = WindowPlacement::ofWindow(5, 6, 700, 500, false, true);

    SettingsLocation readOnly(SettingsMode{ini, true, false, false}, dir / "user.ini");
    saveWindowPlacement(readOnly, "Form2", p);
    EXPECT_FALSE(std::filesystem::exists(ini));
    EXPECT_EQ(restoreWindowPlacement(readOnly, "Form2").width, -1);

    SettingsLocation writable(SettingsMode{ini, false, false, false}, dir / "user.ini");
    saveWindowPlacement(writable, "Form2", p);
    EXPECT_EQ(TempFolder::read(ini), "[Form2]\nLeft=5\nTop=6\nWidth=700\nHeight=500\nWindowState=2\n");
    const WindowPlacement back = restoreWindowPlacement(writable, "form2");
    EXPECT_EQ(back.width, 700);
    EXPECT_EQ(back.windowState, WindowPlacement::Maximised);
}
