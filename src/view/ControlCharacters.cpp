#include "view/ControlCharacters.h"

namespace Lecterna {

namespace {

constexpr bool isHidden(unsigned char c) {
    return c < 32 && c != '\t' && c != '\n' && c != '\r';
}

} // namespace

void hideControlCharacters(std::string& text) {
    char* const data = text.data();
    const size_t n = text.size();
    size_t r = 0;
    // Most books have none: find the first one before moving anything.
    while (r < n && !isHidden(static_cast<unsigned char>(data[r])))
        ++r;
    size_t w = r;
    for (; r < n; ++r) {
        const char c = data[r];
        if (!isHidden(static_cast<unsigned char>(c)))
            data[w++] = c;
    }
    text.resize(w);
}

} // namespace Lecterna
