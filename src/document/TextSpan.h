#pragma once

#include <cstdint>

namespace Lecterna {

// A run of bytes inside one large text buffer. Paragraphs and display lines are spans, never
// copies, so a book of hundreds of megabytes costs a few bytes per line beyond its text.
struct TextSpan {
    uint64_t offset = 0;
    uint32_t length = 0;

    uint64_t end() const { return offset + length; }
    friend bool operator==(const TextSpan&, const TextSpan&) = default;
};

} // namespace Lecterna
