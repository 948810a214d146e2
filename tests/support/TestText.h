#pragma once

#include <string>
#include <string_view>

namespace Lecterna::Fixture {

// UTF-8 text in another charset by iconv name ("CP866", "KOI8-R", "UTF-16LE"); fails the test
// when iconv cannot convert it exactly.
std::string encode(std::string_view utf8, const char* charset);

// Builds a string from a list of byte values, for texts with control bytes.
std::string bytes(std::initializer_list<int> values);

} // namespace Lecterna::Fixture
