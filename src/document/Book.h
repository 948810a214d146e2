#pragma once

#include <cstdint>
#include <string>

namespace Lecterna {

class TParamTemplate;

// Kinds of file the program knows; the numbers are stored in the history.
enum class FileType : uint8_t {
    Folder = 0,
    Archive = 1,
    Shortcut = 2,
    Other = 3,
    Text = 4,
    Html = 5,
    Word = 6,
    Info = 7,
    Picture = 8,
    Doc = 9,
};

// An open request, and the record of the book that is open.
struct TBook {
    std::string fileName;    // the file whose bytes are read
    std::string archiveName; // the archive a member came from; empty otherwise
    std::string archiveDir;  // the member's folder inside the archive, with a trailing '/'
    FileType fileType = FileType::Other;
    std::string description;
    bool wordIntegrated = false;
    uint32_t wordTotal = 0;
    bool fromClipboard = false;
    const TParamTemplate* templ = nullptr;
};

} // namespace Lecterna
