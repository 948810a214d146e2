#include "document/CodePage.h"

#include <cerrno>
#include <cstdlib>
#include <iconv.h>

namespace Lecterna {

namespace {

struct LanguagePair {
    std::string_view language;
    int oem;
    int ansi;
};

// The OEM/ANSI pairs of Windows' system locales, by language code. Languages missing here get
// the pair of Windows' own default (US English).
constexpr LanguagePair kLanguagePairs[] = {
    {"ru", 866, 1251}, {"uk", 866, 1251}, {"be", 866, 1251}, {"bg", 866, 1251},
    {"kk", 866, 1251}, {"ky", 866, 1251}, {"tt", 866, 1251}, {"mn", 866, 1251},
    {"sr", 855, 1251}, {"mk", 866, 1251},
    {"pl", 852, 1250}, {"cs", 852, 1250}, {"sk", 852, 1250}, {"hu", 852, 1250},
    {"sl", 852, 1250}, {"hr", 852, 1250}, {"ro", 852, 1250}, {"sq", 852, 1250},
    {"bs", 852, 1250},
    {"el", 737, 1253}, {"tr", 857, 1254}, {"az", 857, 1254}, {"he", 862, 1255},
    {"ar", 720, 1256}, {"fa", 720, 1256}, {"ur", 720, 1256},
    {"lt", 775, 1257}, {"lv", 775, 1257}, {"et", 775, 1257},
    {"de", 850, 1252}, {"fr", 850, 1252}, {"es", 850, 1252}, {"it", 850, 1252},
    {"pt", 850, 1252}, {"nl", 850, 1252}, {"da", 850, 1252}, {"sv", 850, 1252},
    {"nb", 850, 1252}, {"nn", 850, 1252}, {"no", 850, 1252}, {"fi", 850, 1252},
    {"is", 850, 1252}, {"ca", 850, 1252}, {"eu", 850, 1252}, {"gl", 850, 1252},
    {"en", 437, 1252},
};

int envNumber(const char* name) {
    const char* v = std::getenv(name);
    if (!v || !*v)
        return 0;
    char* end = nullptr;
    long n = std::strtol(v, &end, 10);
    return (end && *end == '\0' && n > 0 && n < 100000) ? static_cast<int>(n) : 0;
}

} // namespace

std::string CodePage::iconvName(int number) {
    switch (number) {
    case 437: case 737: case 775: case 850: case 852: case 855: case 857: case 862: case 866:
    case 874: case 1250: case 1251: case 1252: case 1253: case 1254: case 1255: case 1256:
    case 1257: case 1258:
        return "CP" + std::to_string(number);
    case 720: // glibc has no CP720; its Arabic DOS sibling keeps Arabic text readable.
        return "IBM864";
    default:
        return {};
    }
}

CodePage::CodePage(int number) : m_number(number) {
    for (int b = 0; b < 256; ++b)
        m_table[b] = static_cast<char32_t>(b);
    const std::string name = iconvName(number);
    if (name.empty())
        return;
    iconv_t cd = iconv_open("UTF-32LE", name.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1))
        return;
    m_valid = true;
    // One byte at a time with a flush after each: decoders that combine characters (Hebrew
    // vowel marks in CP1255) would otherwise hold a byte back or merge two.
    for (int b = 0; b < 256; ++b) {
        char in = static_cast<char>(b);
        char32_t out[4] = {};
        char* inp = &in;
        size_t inLeft = 1;
        char* outp = reinterpret_cast<char*>(out);
        size_t outLeft = sizeof(out);
        size_t r = iconv(cd, &inp, &inLeft, &outp, &outLeft);
        if (r != static_cast<size_t>(-1))
            iconv(cd, nullptr, nullptr, &outp, &outLeft);
        const size_t produced = (sizeof(out) - outLeft) / sizeof(char32_t);
        m_table[b] = (r == static_cast<size_t>(-1) || produced == 0) ? U'\uFFFD' : out[0];
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
}

void appendUtf8(char32_t c, std::string& out) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

void CodePage::appendUtf8(std::string_view bytes, std::string& out) const {
    out.reserve(out.size() + bytes.size() * 2);
    for (unsigned char b : bytes)
        Lecterna::appendUtf8(m_table[b], out);
}

std::string CodePage::toUtf8(std::string_view bytes) const {
    std::string out;
    appendUtf8(bytes, out);
    return out;
}

SystemCodePages SystemCodePages::forLocale(std::string_view localeName) {
    // "ru_RU.UTF-8@euro" -> "ru"
    const size_t end = localeName.find_first_of("_.@");
    const std::string_view language = localeName.substr(0, end);
    // Without a language (the "C" or "POSIX" locale) we take the pair of the program's own
    // interface language, Russian: that is the reader this program is written for.
    if (language.empty() || language == "C" || language == "POSIX")
        return {866, 1251};
    for (const LanguagePair& p : kLanguagePairs)
        if (p.language == language)
            return {p.oem, p.ansi};
    return {437, 1252};
}

SystemCodePages SystemCodePages::fromEnvironment() {
    const char* name = nullptr;
    for (const char* var : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* v = std::getenv(var);
        if (v && *v) {
            name = v;
            break;
        }
    }
    SystemCodePages pair = forLocale(name ? std::string_view(name) : std::string_view());
    if (int oem = envNumber("LECTERNA_OEMCP"))
        pair.oem = oem;
    if (int ansi = envNumber("LECTERNA_ANSICP"))
        pair.ansi = ansi;
    return pair;
}

} // namespace Lecterna
