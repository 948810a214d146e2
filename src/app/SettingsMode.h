#pragma once

#include <string>

namespace Lecterna {

// Where the settings live, probed once at process start. The "registry" of older versions is a
// per-user file here ($XDG_CONFIG_HOME/Lecterna/Lecterna.ini); the switch between the two always
// lives in the INI file beside the program.
struct SettingsMode {
    std::string iniFileName;        // the program's folder + "Lecterna.ini"
    bool onCdRom = false;           // the program's folder cannot be written
    bool inRegistry = false;        // [IniMode] InRegistry of the INI file
    bool registryKeyExists = false; // the per-user file exists (probed only when inRegistry)

    // The INI file is the store but cannot be written: every writer skips its save.
    bool writesNothing() const { return onCdRom && !inRegistry; }
};

// `exeDir` ends with '/'. Reads the INI file's switch directly and looks for `userFileName`.
SettingsMode probeSettingsMode(const std::string& exeDir, const std::string& userFileName);

// Whether a file can be created in `dir`, found out by creating and removing one: permission bits
// say nothing about read-only mounts, and nothing true for root.
bool isFolderWritable(const std::string& dir);

} // namespace Lecterna
