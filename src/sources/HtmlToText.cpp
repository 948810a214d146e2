#include "sources/HtmlToText.h"

#include "app/ProgressSink.h"
#include "document/CodePage.h"
#include "document/UnicodeToCodePage.h"

#include <array>
#include <cstdint>
#include <optional>

namespace Lecterna {

namespace {

enum class Tag : uint8_t {
    Unknown,
    Paragraph, // p, div, dd
    Break,     // br, dl, table
    Row,       // tr
    Cell,      // td, th
    Heading,   // h1..h6, caption
    Center,
    Item,         // li
    Rule,         // hr
    Hidden,       // head, select, script, iframe, style
    Preformatted, // pre, xmp, listing, code
    Html,
    Comment, // !--
    Ignored, // body, meta, dt
};

struct TagName {
    std::string_view name;
    Tag tag;
};

// clang-format off
constexpr TagName kTags[] = {
    {"p", Tag::Paragraph},      {"div", Tag::Paragraph},    {"dd", Tag::Paragraph},  {"br", Tag::Break},
    {"dl", Tag::Break},         {"table", Tag::Break},      {"tr", Tag::Row},        {"td", Tag::Cell},
    {"th", Tag::Cell},          {"h1", Tag::Heading},       {"h2", Tag::Heading},    {"h3", Tag::Heading},
    {"h4", Tag::Heading},       {"h5", Tag::Heading},       {"h6", Tag::Heading},    {"caption", Tag::Heading},
    {"center", Tag::Center},    {"li", Tag::Item},          {"hr", Tag::Rule},       {"head", Tag::Hidden},
    {"select", Tag::Hidden},    {"script", Tag::Hidden},    {"iframe", Tag::Hidden}, {"style", Tag::Hidden},
    {"pre", Tag::Preformatted}, {"xmp", Tag::Preformatted}, {"listing", Tag::Preformatted},
    {"code", Tag::Preformatted}, {"html", Tag::Html},       {"!--", Tag::Comment},   {"body", Tag::Ignored},
    {"meta", Tag::Ignored},     {"dt", Tag::Ignored},
};

// The Latin-1 character entities of HTML 4.01, in the order of their codes 160..255.
constexpr std::string_view kLatin1Entities[96] = {
    "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",   "uml",    "copy",   "ordf",
    "laquo",  "not",    "shy",    "reg",    "macr",   "deg",    "plusmn", "sup2",   "sup3",   "acute",  "micro",
    "para",   "middot", "cedil",  "sup1",   "ordm",   "raquo",  "frac14", "frac12", "frac34", "iquest", "Agrave",
    "Aacute", "Acirc",  "Atilde", "Auml",   "Aring",  "AElig",  "Ccedil", "Egrave", "Eacute", "Ecirc",  "Euml",
    "Igrave", "Iacute", "Icirc",  "Iuml",   "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde", "Ouml",
    "times",  "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",  "szlig",  "agrave", "aacute",
    "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil", "egrave", "eacute", "ecirc",  "euml",   "igrave",
    "iacute", "icirc",  "iuml",   "eth",    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide",
    "oslash", "ugrave", "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml",
};
// clang-format on

constexpr size_t kMaxNameLength = 8;

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

Tag lookUpTag(std::string_view name) {
    if (name.empty() || name.size() > kMaxNameLength)
        return Tag::Unknown;
    char buf[kMaxNameLength];
    for (size_t i = 0; i < name.size(); ++i)
        buf[i] = lowerAscii(name[i]);
    const std::string_view lower(buf, name.size());
    for (const TagName& t : kTags)
        if (t.name == lower)
            return t.tag;
    return Tag::Unknown;
}

// The code a lower-cased entity name stands for. Capitalised table names never match a lower-cased
// name, so "Auml" ends up as "auml".
std::optional<uint32_t> lookUpEntity(std::string_view lower) {
    if (lower == "quot")
        return '"';
    if (lower == "amp")
        return '&';
    if (lower == "lt")
        return '<';
    if (lower == "gt")
        return '>';
    for (size_t i = 0; i < std::size(kLatin1Entities); ++i)
        if (kLatin1Entities[i] == lower)
            return static_cast<uint32_t>(160 + i);
    return std::nullopt;
}

// "#" followed by decimal digits, or "#x" followed by hexadecimal ones, as a 32-bit number.
std::optional<uint32_t> parseNumeric(std::string_view lower) {
    if (lower.size() < 2 || lower[0] != '#')
        return std::nullopt;
    lower.remove_prefix(1);
    unsigned base = 10;
    uint64_t limit = INT32_MAX;
    if (lower[0] == 'x') {
        base = 16;
        limit = UINT32_MAX;
        lower.remove_prefix(1);
    }
    if (lower.empty())
        return std::nullopt;
    uint64_t v = 0;
    for (char c : lower) {
        unsigned d;
        if (c >= '0' && c <= '9')
            d = static_cast<unsigned>(c - '0');
        else if (base == 16 && c >= 'a' && c <= 'f')
            d = static_cast<unsigned>(c - 'a' + 10);
        else
            return std::nullopt;
        v = v * base + d;
        if (v > limit)
            return std::nullopt;
    }
    return static_cast<uint32_t>(v);
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Where a reference starting after '&' at `p` can end: at ';', at a space, or at the end. A
// name that cannot decode any more (too long for a name, a non-digit in a number) stops the
// scan early, which keeps a page full of stray '&' linear; the caller then writes '&' as text.
size_t scanReference(std::string_view s, size_t p) {
    size_t q = p;
    const bool numeric = q < s.size() && s[q] == '#';
    while (q < s.size() && s[q] != ';' && s[q] != ' ') {
        const size_t length = q - p;
        if (!numeric && length >= kMaxNameLength)
            return std::string_view::npos;
        if (numeric && length >= 1) {
            const char c = lowerAscii(s[q]);
            const bool digit = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (length == 1 && c == 'x');
            if (!digit)
                return std::string_view::npos;
        }
        ++q;
    }
    return q;
}

} // namespace

std::string HtmlToText::decodeReference(std::string_view name, bool oem) {
    std::string lower(name);
    for (char& c : lower)
        c = lowerAscii(c);
    std::optional<uint32_t> code;
    bool numeric = false;
    if (lower.size() <= kMaxNameLength)
        code = lookUpEntity(lower);
    if (!code) {
        code = parseNumeric(lower);
        numeric = true;
    }
    if (!code)
        return {};
    const uint32_t v = *code & 0xFFFF;
    UnicodeToCodePage& out = oem ? m_oemOut : m_ansiOut;
    std::string bytes;
    if (v < 0x80) {
        bytes.push_back(static_cast<char>(v));
    } else if (numeric && v < 0xA0) {
        // Numbers below 160 name bytes of the ANSI code page, as pages written on Windows use
        // them (&#150; for its dash).
        if (oem)
            out.append(m_ansi.toUnicode(static_cast<unsigned char>(v)), bytes);
        else
            bytes.push_back(static_cast<char>(v));
    } else {
        out.append(static_cast<char32_t>(v), bytes);
    }
    return bytes;
}

bool HtmlToText::convert(std::string_view s, std::string& out, const HtmlOptions& options, ProgressSink& progress) {
    out.clear();
    out.reserve(s.size());
    const size_t n = s.size();
    progress.setMaximum(n);
    const std::string rule(static_cast<size_t>(std::max(options.ruleLength, 0)), '_');
    bool skip = false;
    bool fold = options.ignoreFormatInPlainText;
    size_t nextPoll = 0;
    size_t nextReport = 0;
    size_t p = 0;
    while (p < n) {
        const char c = s[p];
        if (c != '<') {
            if (skip) {
                ++p;
                continue;
            }
            if (fold && isBlank(c)) {
                out.push_back(' ');
                while (p < n && isBlank(s[p]))
                    ++p;
                continue;
            }
            if (p >= nextPoll) {
                if (progress.skipRequested()) {
                    out.clear();
                    return false;
                }
                nextPoll = p + kPollInterval;
            }
            if (c != '&') {
                out.push_back(c);
                ++p;
                continue;
            }
            const size_t end = scanReference(s, p + 1);
            std::string bytes;
            if (end != std::string_view::npos)
                bytes = decodeReference(s.substr(p + 1, end - p - 1), options.oem);
            if (bytes.empty()) {
                out.push_back('&'); // not a reference: the text goes on as written
                ++p;
                continue;
            }
            out += bytes;
            p = end < n ? end + 1 : n;
            continue;
        }

        const bool closing = p + 1 < n && s[p + 1] == '/';
        const size_t nameStart = p + (closing ? 2 : 1);
        size_t q = nameStart;
        while (q < n && !isBlank(s[q]) && s[q] != '>')
            ++q;
        if (q >= n)
            break;
        if (p >= nextReport) {
            progress.setPosition(p);
            nextReport = p + kPollInterval;
        }
        switch (lookUpTag(s.substr(nameStart, q - nameStart))) {
        case Tag::Paragraph: out += closing ? "\r" : "\r\t"; break;
        case Tag::Break: out += '\r'; break;
        case Tag::Row:
            if (closing)
                out += '\r';
            break;
        case Tag::Cell:
            if (closing)
                out += '\t';
            break;
        case Tag::Heading: out += closing ? "\r" : "\r\t\t"; break;
        case Tag::Center: out += closing ? "\r" : "\n\r\t\t"; break;
        case Tag::Item: out += closing ? "\r" : "\r * "; break;
        case Tag::Rule:
            out += '\r';
            out += rule;
            out += '\r';
            break;
        case Tag::Hidden: skip = !closing; break;
        case Tag::Preformatted: fold = closing ? true : options.ignoreFormatInPreformattedHtmlText; break;
        case Tag::Html: fold = closing ? options.ignoreFormatInPlainText : true; break;
        case Tag::Comment:
            while (q + 2 < n && !(s[q] == '-' && s[q + 1] == '-' && s[q + 2] == '>'))
                ++q;
            break;
        case Tag::Ignored:
        case Tag::Unknown: break;
        }
        const size_t gt = s.find('>', q);
        if (gt == std::string_view::npos)
            break;
        p = gt + 1;
    }
    progress.setPosition(n);
    return true;
}

} // namespace Lecterna
