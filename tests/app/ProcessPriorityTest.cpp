#include "app/ProcessPriority.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

using namespace Lecterna;

namespace {

using L = ProcessPriority::Level;

// A thread whose nice value may go down only as far as `floor`.
struct FakeSystem final : ProcessPriority::System {
    int value = 0, floor = 0;
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
        int normal, floor, during;
    };
    const Case cases[] = {
        {"low", L::Low, 0, 0, 19},
        // Without the right to come back the thread would stay idle for good: stay normal.
        {"low, no way back", L::Low, 0, 19, 0},
        {"high, privileged", L::High, 0, -20, -10},
        {"high, unprivileged", L::High, 0, 0, 0},
        {"high near the top", L::High, -15, -20, -20},
    };
    for (const Case& c : cases) {
        FakeSystem system;
        system.value = c.normal;
        system.floor = c.floor;
        ProcessPriority priority(system);
        priority.apply(c.level);
        EXPECT_EQ(system.value, c.during) << c.what;
        priority.restore();
        EXPECT_EQ(system.value, c.normal) << c.what;
    }
}

TEST(ProcessPriority, ThisThreadComesBackToNormal) {
    ProcessPriority priority;
    const int before = getpriority(PRIO_PROCESS, 0);
    for (L level : {L::High, L::Low}) {
        priority.apply(level);
        priority.restore();
        EXPECT_EQ(getpriority(PRIO_PROCESS, 0), before) << int(level);
    }
}
