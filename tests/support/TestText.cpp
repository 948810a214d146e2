#include "support/TestText.h"

#include <gtest/gtest.h>
#include <iconv.h>

namespace Lecterna::Fixture {

std::string encode(std::string_view utf8, const char* charset) {
    iconv_t cd = iconv_open(charset, "UTF-8");
    EXPECT_NE(cd, reinterpret_cast<iconv_t>(-1)) << charset;
    if (cd == reinterpret_cast<iconv_t>(-1))
        return {};
    std::string out(utf8.size() * 4 + 8, '\0');
    char* in = const_cast<char*>(utf8.data());
    size_t inLeft = utf8.size();
    char* o = out.data();
    size_t outLeft = out.size();
    const size_t r = iconv(cd, &in, &inLeft, &o, &outLeft);
    EXPECT_NE(r, static_cast<size_t>(-1)) << "cannot convert to " << charset << ": " << utf8;
    iconv_close(cd);
    out.resize(out.size() - outLeft);
    return out;
}

std::string bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values)
        s.push_back(static_cast<char>(v));
    return s;
}

} // namespace Lecterna::Fixture
