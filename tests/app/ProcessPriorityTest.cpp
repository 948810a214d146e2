#include "app/ProcessPriority.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

using namespace Lecterna;

namespace {

using L = ProcessPriority::Level;

// A thread whose nice value may go down only as far as `floor` allows.
struct FakeSystem final : ProcessPriority::System {
    int value = 0;
    int floor = 0; // lowest nice value that may be set
    int nice() const override { return value; }
    bool setNice(int n) override {
        if (n < value && n < floor)
            return false;
        value = n;
        return true;
    }
    bool mayDecreaseNiceTo(int n) const override { return n >= floor; }
};

} // namespace

TEST(ProcessPriority, TakesALevelOnlyWhenItCanComeBack) {
    struct Case {
        const char* what;
        L level;
        int normal, floor;
        int during;
        L applied;
    };
    const Case cases[] = {
        {"low", L::Low, 0, 0, 19, L::Low},
        // Without the right to come back the thread would stay idle for good: stay normal.
        {"low, no way back", L::Low, 0, 19, 0, L::Normal},
        {"high, privileged", L::High, 0, -20, -10, L::High},
        {"high, unprivileged", L::High, 0, 0, 0, L::Normal},
        {"high from a nice start", L::High, 5, -5, -5, L::High},
        {"high near the top", L::High, -15, -20, -20, L::High},
        {"normal", L::Normal, 0, 0, 0, L::Normal},
    };
    for (const Case& c : cases) {
        FakeSystem system;
        system.value = c.normal;
        system.floor = c.floor;
        ProcessPriority priority(system);
        priority.apply(c.level);
        EXPECT_EQ(system.value, c.during) << c.what;
        EXPECT_EQ(priority.applied(), c.applied) << c.what;
        priority.restore();
        EXPECT_EQ(system.value, c.normal) << c.what;
    }
}

TEST(ProcessPriority, ThisThreadComesBackToNormal) {
    ProcessPriority priority;
    const int before = getpriority(PRIO_PROCESS, 0);
    for (L level : {L::High, L::Low, L::Normal}) {
        priority.apply(level);
        priority.restore();
        EXPECT_EQ(getpriority(PRIO_PROCESS, 0), before) << int(level);
    }
}
