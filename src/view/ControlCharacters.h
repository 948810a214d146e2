#pragma once

#include <string>

namespace Lecterna {

// Removes, in place, every byte below 32 except TAB, LF and CR: what the reader sees while
// "show all symbols" is off. Line breaks stay, so paragraphs stay where they were.
void hideControlCharacters(std::string& text);

} // namespace Lecterna
