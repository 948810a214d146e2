#include "app/StartAction.h"

#include <gtest/gtest.h>

using namespace Lecterna;

namespace {

// LastLoad on, started 10 days ago, the first book at line 12 and 45.20 % read.
StartInputs reopenable() {
    StartInputs in;
    in.lastLoad = true;
    in.today = 20000;
    in.lastProgramStart = 19990;
    in.firstHistoryEntry = StartInputs::HistoryHead{12, "45.20 %"};
    return in;
}

} // namespace

TEST(StartAction, FirstRuleThatAppliesWins) {
    struct Case {
        const char* what;
        void (*change)(StartInputs&);
        StartAction expected;
    };
    const std::vector<Case> cases = {
        {"as is", [](StartInputs&) {}, StartAction::OpenLastBook},
        {"11 days ago", [](StartInputs& in) { in.lastProgramStart = 19989; }, StartAction::Nothing},
        {"first start ever", [](StartInputs& in) { in.lastProgramStart.reset(); }, StartAction::Nothing},
        {"99.99 %", [](StartInputs& in) { in.firstHistoryEntry->wasDone = "99.99 %"; }, StartAction::Nothing},
        {"99.98 %", [](StartInputs& in) { in.firstHistoryEntry->wasDone = "99.98 %"; }, StartAction::OpenLastBook},
        {"unknown %", [](StartInputs& in) { in.firstHistoryEntry->wasDone = "?"; }, StartAction::Nothing},
        {"at the top", [](StartInputs& in) { in.firstHistoryEntry->position = 0; }, StartAction::Nothing},
        {"no history", [](StartInputs& in) { in.firstHistoryEntry.reset(); }, StartAction::Nothing},
        {"LastLoad off", [](StartInputs& in) { in.lastLoad = false; }, StartAction::Nothing},
        {"history dialog instead",
         [](StartInputs& in) {
             in.lastLoad = false;
             in.showHistoryOnStart = true;
         },
         StartAction::ShowHistory},
        {"Shift suppresses both",
         [](StartInputs& in) {
             in.shiftHeld = true;
             in.showHistoryOnStart = true;
         },
         StartAction::Nothing},
        {"command line first",
         [](StartInputs& in) {
             in.arguments = {"a.txt", "b.txt"};
             in.shiftHeld = true;
         },
         StartAction::OpenFile},
    };
    for (const Case& c : cases) {
        StartInputs in = reopenable();
        c.change(in);
        const StartDecision d = decideStartAction(in);
        EXPECT_EQ(d.action, c.expected) << c.what;
        EXPECT_EQ(d.file, c.expected == StartAction::OpenFile ? "a.txt" : "") << c.what;
    }
}

TEST(StartAction, WasDoneIsReadInTheUsersNumberFormat) {
    struct Case {
        const char* text;
        const char* separator;
        std::optional<double> percent;
    };
    const std::vector<Case> cases = {
        {"45,20 %", ",", 45.2},   {"45.20 %", ",", 45.2},  {"45,20 %", ".", std::nullopt}, {"7 %", ".", 7.0},
        {"45.20%", ".", 45.2}, // two characters go, whatever they are
        {"?", ".", std::nullopt}, {"", ".", std::nullopt}, {"1e2 %", ".", std::nullopt},   {"inf %", ".", std::nullopt},
        {"12.5 ٪", ".", 12.5}, // the last characters may be wider than a byte
    };
    for (const Case& c : cases)
        EXPECT_EQ(wasDonePercent(c.text, c.separator), c.percent) << c.text;
    EXPECT_EQ(daysSinceLastStart(std::nullopt, 100), 11);
}
