#pragma once

#include <string>

namespace Lecterna {

// The folder of the running executable with links resolved and a trailing '/': the program folder
// that holds Lecterna.ini, Lecterna.arc and Lecterna.cmt. Empty when /proc cannot tell.
std::string executableDir();

// $TMPDIR when it names a folder, else /tmp; no trailing '/'.
std::string systemTempFolder();

// This run's private temporary folder, made under `systemTemp` with the prefix "Book" followed by
// the process number and a dash ("Book4711-Ab3dEf").
struct TempDirCreation {
    std::string path;         // with a trailing '/'; empty on failure
    std::string errorMessage; // for the error box before the process ends
    int error = 0;            // errno, the process's exit code on failure
};
TempDirCreation createTempDir(const std::string& systemTemp);

// The absolute, canonical form of `path`: the leading components that exist are resolved (links,
// "." and ".."), the rest kept. A name given on the command line is looked up under this form.
std::string longFileName(const std::string& path);

} // namespace Lecterna
