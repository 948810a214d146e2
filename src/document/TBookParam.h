#pragma once

#include "dialogs/TBookmarkList.h"
#include "document/Book.h"

#include <cstdint>
#include <string>

namespace Lecterna {

// What the program remembers of one book it has shown: where the reader stopped, how long the
// book has been read, how it was displayed, and its bookmarks. The defaults are those that
// apply to a stored entry missing the key.
struct TBookParam {
    FileType fileType = FileType::Other;
    std::string description;
    bool viewAllSymbolsOn = true;
    bool paragraphSearchOn = false;
    int32_t position = 0;           // absolute index of the top display line
    int32_t readingInterval = 0;    // seconds, all openings together
    int32_t lineSpacing = 0;        // 0..4; -1: the default line spacing of new books applies
    std::string fontName = "Arial"; // empty: the default font of new books applies
    int32_t fontHeight = -20;       // negative: character height in pixels; else the default size applies
    bool fontBold = false;
    uint8_t characterExtraMode = 2; // letter spacing 0..3
    int32_t characterMap = 1;       // encoding index, checked against the encoding menu when opened
    bool wordWrapOn = false;
    bool textJustificationOn = false;
    bool inArchive = false;
    std::string archiveDir;    // the member's folder inside its archive
    std::string wasDone = "?"; // the percentage-read text, "?" when none was recorded
    TBookmarkList bookmarks;
};

} // namespace Lecterna
