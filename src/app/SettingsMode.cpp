#include "app/SettingsMode.h"

#include "app/IniFile.h"

#include <cstdlib>

#include <sys/stat.h>
#include <unistd.h>

namespace Lecterna {

bool isFolderWritable(const std::string& dir) {
    std::string probe = dir;
    if (probe.empty() || probe.back() != '/')
        probe += '/';
    probe += ".lecterna-probe-XXXXXX";
    const int fd = ::mkstemp(probe.data());
    if (fd < 0)
        return false;
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

SettingsMode probeSettingsMode(const std::string& exeDir, const std::string& userFileName) {
    SettingsMode mode;
    mode.iniFileName = exeDir + "Lecterna.ini";
    mode.onCdRom = !isFolderWritable(exeDir);
    IniFile ini;
    ini.load(mode.iniFileName);
    mode.inRegistry = ini.readFlag("IniMode", "InRegistry", false);
    if (mode.inRegistry) {
        struct stat st {};
        mode.registryKeyExists = ::stat(userFileName.c_str(), &st) == 0;
    }
    return mode;
}

} // namespace Lecterna
