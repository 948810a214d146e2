#pragma once

namespace Lecterna {

// The program from process start to process end: its temporary folder, the settings, the splash,
// the reading window, what to open at start, the saving at close and the clean-up at the end.
class Application {
public:
    // Runs the program with the command line; returns the process exit code.
    static int run(int argc, char** argv);
};

} // namespace Lecterna
