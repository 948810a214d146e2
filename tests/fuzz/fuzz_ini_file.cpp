// Whatever the bytes, a settings file that parses renders to text that parses to the same values
// and renders the same again, and values written into it read back exactly after a round trip.
#include "app/IniFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>

using namespace Lecterna;

namespace {

void sameValues(const IniFile& a, const IniFile& b) {
    if (a.sectionNames() != b.sectionNames())
        std::abort();
    for (const std::string& section : a.sectionNames())
        if (a.sectionValues(section) != b.sectionValues(section))
            std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    IniFile ini;
    if (!ini.parse(std::string(reinterpret_cast<const char*>(data), size)))
        return 0;
    const std::string once = ini.render();
    IniFile again;
    if (!again.parse(once) || again.render() != once)
        std::abort();
    sameValues(ini, again);

    // Rewrite every value with a leading blank (so that it must be quoted), erase the first section
    // and add a key to a new one.
    const auto sections = ini.sectionNames();
    for (const std::string& section : sections) {
        if (!IniFile::isValidSectionName(section))
            continue;
        for (const auto& [key, value] : ini.sectionValues(section))
            if (IniFile::isValidKeyName(key))
                ini.setValue(section, key, " " + value);
    }
    if (!sections.empty())
        ini.eraseSection(sections.front());
    ini.setValue("Fuzz", "Key", "\"v\"");
    IniFile written;
    if (!written.parse(ini.render()))
        std::abort();
    sameValues(ini, written);
    return 0;
}
