#include "document/FileTypes.h"

namespace Lecterna {

namespace {

char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

} // namespace

bool FileTypes::matchesMask(std::string_view name, std::string_view mask) {
    // Iterative wildcard match with one backtracking point: linear for the masks we use.
    size_t n = 0, m = 0;
    size_t starMask = std::string_view::npos, starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && (mask[m] == '?' || lower(mask[m]) == lower(name[n]))) {
            ++n;
            ++m;
        } else if (m < mask.size() && mask[m] == '*') {
            starMask = m++;
            starName = n;
        } else if (starMask != std::string_view::npos) {
            m = starMask + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*')
        ++m;
    return m == mask.size();
}

bool FileTypes::matchesMasks(std::string_view fileName, std::string_view masks) {
    const std::string_view name = fileNameOf(fileName);
    while (!masks.empty()) {
        const size_t semi = masks.find(';');
        if (matchesMask(name, masks.substr(0, semi)))
            return true;
        if (semi == std::string_view::npos)
            break;
        masks.remove_prefix(semi + 1);
    }
    return false;
}

FileType FileTypes::forFileName(std::string_view fileName, const Switches& switches) {
    if (switches.cooperation != 0 && matchesMasks(fileName, kWordMasks))
        return FileType::Word;
    if (switches.docConverter && matchesMasks(fileName, kDocMasks))
        return FileType::Doc;
    if (switches.htmlConverter && matchesMasks(fileName, kHtmlMasks))
        return FileType::Html;
    if (matchesMasks(fileName, kTextMasks))
        return FileType::Text;
    if (matchesMasks(fileName, kInfoMasks))
        return FileType::Info;
    return FileType::Other;
}

} // namespace Lecterna
