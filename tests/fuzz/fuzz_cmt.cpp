// Lecterna.cmt files of arbitrary bytes: every section ends up as a map, an error, or nothing, and
// the encoding menu built from the maps keeps its built-in items in place.
#include "document/CharacterMaps.h"
#include "document/EncodingMenu.h"

#include <cstdlib>
#include <string>

using namespace Lecterna;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    const std::vector<CmtSection> sections = readCmtSections(file);
    const CharacterMaps maps = CharacterMaps::load(sections);
    if (maps.count() + maps.errors().size() > sections.size() || maps.names().size() != maps.count())
        std::abort();
    const EncodingMenu menu({866, 1251}, maps.names());
    if (menu.count() != EncodingMenu::kFirstCharacterMap + static_cast<int>(maps.count()))
        std::abort();
    if (menu.validate(EncodingMenu::kSeparator) != 0)
        std::abort();
    CharacterMaps::parseMapping(file);
    return 0;
}
