#include "document/UnicodeDecoding.h"

#include "document/UnicodeToCodePage.h"

#include <cstdint>
#include <cstring>
#include <memory>

namespace Lecterna {

namespace {

// Output written through a raw pointer into a buffer sized ahead; grows only when a near form
// longer than its source needs more room than was guessed. The buffer is left uninitialised, so
// the pages of a generous guess that are never written cost no memory, and the text is copied
// out at its exact size: a book in UTF-8 is not followed for its lifetime by the room its bytes
// would have needed.
class Output {
public:
    explicit Output(size_t guess) { allocate(guess + UnicodeToCodePage::kMaxBytes); }

    char* pos() { return m_buffer.get() + m_used; }
    void advanceTo(char* p) { m_used = static_cast<size_t>(p - m_buffer.get()); }
    // Room for `bytes` more, plus one near form.
    char* reserve(size_t bytes) {
        const size_t need = m_used + bytes + UnicodeToCodePage::kMaxBytes;
        if (need > m_capacity)
            allocate(need + need / 4);
        return pos();
    }
    std::string take() {
        std::string text(m_buffer.get(), m_used);
        m_buffer.reset();
        return text;
    }

private:
    void allocate(size_t capacity) {
        std::unique_ptr<char[]> bigger(new char[capacity]);
        if (m_used)
            std::memcpy(bigger.get(), m_buffer.get(), m_used);
        m_buffer = std::move(bigger);
        m_capacity = capacity;
    }

    std::unique_ptr<char[]> m_buffer;
    size_t m_capacity = 0;
    size_t m_used = 0;
};

bool isContinuation(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

} // namespace

std::string decodeUtf16Le(std::string_view bytes, UnicodeToCodePage& to) {
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE)
        bytes.remove_prefix(2);
    const size_t units = bytes.size() / 2;
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    Output output(units);
    const bool ascii = to.asciiIsIdentity();
    char* out = output.pos();
    for (size_t i = 0; i < units; ++i) {
        const char16_t u = static_cast<char16_t>(in[2 * i] | (in[2 * i + 1] << 8));
        if (u < 0x80 && ascii) {
            *out++ = static_cast<char>(u);
            continue;
        }
        if (u >= 0xD800 && u < 0xDC00 && i + 1 < units) {
            const char16_t low = static_cast<char16_t>(in[2 * i + 2] | (in[2 * i + 3] << 8));
            if (low >= 0xDC00 && low < 0xE000)
                ++i; // the pair is one character
        }
        char* const before = out;
        out = to.write(u, out);
        // The room left always covers one byte per remaining unit plus one near form.
        if (out - before > 1) {
            output.advanceTo(out);
            out = output.reserve(units - i);
        }
    }
    output.advanceTo(out);
    return output.take();
}

std::string decodeUtf8(std::string_view bytes, UnicodeToCodePage& to) {
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    const size_t n = bytes.size();
    Output output(n);
    const bool ascii = to.asciiIsIdentity();
    char* out = output.pos();
    // Output never outruns input except where a near form is longer than its source; after
    // such a character the room is checked again.
    size_t i = 0;
    while (i < n) {
        if (ascii) {
            // Eight ASCII bytes at a time.
            while (i + 8 <= n) {
                uint64_t word;
                std::memcpy(&word, in + i, 8);
                if (word & 0x8080808080808080ULL)
                    break;
                std::memcpy(out, in + i, 8);
                out += 8;
                i += 8;
            }
            if (i >= n)
                break;
        }
        const unsigned char b = in[i];
        char16_t unit = 0;
        size_t length = 1; // bytes consumed
        bool valid = true; // a BMP character in `unit`
        if (b < 0x80) {
            unit = b;
        } else if (b >= 0xC2 && b <= 0xDF) {
            if (i + 1 < n && isContinuation(in[i + 1])) {
                unit = static_cast<char16_t>(((b & 0x1F) << 6) | (in[i + 1] & 0x3F));
                length = 2;
            } else {
                valid = false;
            }
        } else if (b >= 0xE0 && b <= 0xEF) {
            // The second byte's range excludes overlong forms (E0) and surrogates (ED).
            const unsigned char lo = b == 0xE0 ? 0xA0 : 0x80;
            const unsigned char hi = b == 0xED ? 0x9F : 0xBF;
            valid = false;
            if (i + 1 < n && in[i + 1] >= lo && in[i + 1] <= hi) {
                length = 2;
                if (i + 2 < n && isContinuation(in[i + 2])) {
                    unit = static_cast<char16_t>(((b & 0x0F) << 12) | ((in[i + 1] & 0x3F) << 6) | (in[i + 2] & 0x3F));
                    length = 3;
                    valid = true;
                }
            }
        } else if (b >= 0xF0 && b <= 0xF4) {
            // Characters beyond the BMP are read whole and shown as the default character.
            const unsigned char lo = b == 0xF0 ? 0x90 : 0x80;
            const unsigned char hi = b == 0xF4 ? 0x8F : 0xBF;
            valid = false;
            if (i + 1 < n && in[i + 1] >= lo && in[i + 1] <= hi) {
                length = 2;
                if (i + 2 < n && isContinuation(in[i + 2])) {
                    length = 3;
                    if (i + 3 < n && isContinuation(in[i + 3]))
                        length = 4;
                }
            }
        } else {
            valid = false; // continuation byte out of place, C0, C1, F5..FF
        }
        i += length;
        if (!valid) {
            *out++ = UnicodeToCodePage::kDefaultChar;
        } else if (unit < 0x80 && ascii) {
            *out++ = static_cast<char>(unit);
        } else {
            char* const before = out;
            out = to.write(unit, out);
            if (static_cast<size_t>(out - before) > length) {
                output.advanceTo(out);
                out = output.reserve(n - i);
            }
        }
    }
    output.advanceTo(out);
    return output.take();
}

} // namespace Lecterna
