#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Lecterna {

// What the program opens once its windows exist.
enum class StartAction {
    OpenFile,     // the first command-line argument (look it up under longFileName())
    OpenLastBook, // the first history entry
    ShowHistory,  // the History tab of the Open dialog
    Nothing,      // the empty reading window
};

struct StartInputs {
    std::vector<std::string> arguments; // command-line arguments, without the program name
    bool shiftHeld = false;
    bool lastLoad = false;                   // setting LastLoad
    bool showHistoryOnStart = false;         // setting ShowHistoryOnStart
    std::optional<int32_t> lastProgramStart; // days since 1970-01-01; none on the first start ever
    int32_t today = 0;
    struct HistoryHead {
        int position = 0;
        std::string wasDone; // "45.20 %"
    };
    std::optional<HistoryHead> firstHistoryEntry;
    std::string decimalSeparator = "."; // of the user's number format
};

struct StartDecision {
    StartAction action = StartAction::Nothing;
    std::string file; // for OpenFile: the first argument as given
};

// The first rule that applies wins: a command-line file; the last book, when Shift is up, LastLoad
// is on, the last start was less than 11 days ago and the first history entry has a position past
// the top and is not finished (WasDone at most 99.98); the History tab, when Shift is up and
// ShowHistoryOnStart is on; else nothing.
StartDecision decideStartAction(const StartInputs& in);

// Whole days since the last start; a missing date counts as 11 days ago, which never qualifies.
int32_t daysSinceLastStart(std::optional<int32_t> lastProgramStart, int32_t today);

// The percentage of a WasDone text: the last two characters (" %") removed, the rest read as a
// decimal number in the user's format ("." is accepted too, since the text may come from a run
// under another locale). None when it does not convert ("?" is stored for an unknown percentage).
std::optional<double> wasDonePercent(std::string_view wasDone, std::string_view decimalSeparator);

} // namespace Lecterna
