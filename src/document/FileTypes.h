#pragma once

#include "document/Book.h"

#include <string_view>

namespace Lecterna {

// The name of a file without its folder: the part of a path after the last '/'.
inline std::string_view fileNameOf(std::string_view path) {
    const size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// Which kind of file a name is, by the masks the program has always used. Masks are
// ';'-separated patterns in which '*' stands for any run of characters and '?' for one;
// case does not matter.
class FileTypes {
public:
    static constexpr std::string_view kTextMasks = "*.ans;*.asc;*.txt";
    static constexpr std::string_view kHtmlMasks = "*.asp;*.htm*;*.?html*;*.jsp;*.php;*.php3";
    static constexpr std::string_view kInfoMasks = "*.1st;*.diz;*.eng;*.inf;*.me;*.nfo;*.rus";
    static constexpr std::string_view kDocMasks = "*.doc";
    // Documents an office suite converts to text.
    static constexpr std::string_view kWordMasks = "*.doc;*.docx;*.rtf;*.odt";

    struct Switches {
        bool htmlConverter = true; // HtmlParam UseConverter
        int cooperation = 0;       // Word97Param Cooperation
        bool docConverter = true;  // DocParam UseConverter
    };

    // The type a file opened by name gets. Word documents come first while an office suite
    // co-operates, then the program's own document reader, HTML while the converter is on,
    // plain texts and information texts; anything else is a file of another type.
    static FileType forFileName(std::string_view fileName, const Switches& switches);

    // Whether the file name (the part after the last '/') matches one of the masks.
    static bool matchesMasks(std::string_view fileName, std::string_view masks);
    static bool matchesMask(std::string_view name, std::string_view mask);
};

} // namespace Lecterna
