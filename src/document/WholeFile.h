#pragma once

#include <optional>
#include <string>

namespace Lecterna {

// The whole file in one read into one string of its size, as a book is loaded. Nothing is locked:
// other programs may keep the file open for writing. A file that grows while it is read (a log
// being written) or reports no size (a pipe) is read on to its end; one that shrinks gives what
// was there. Nothing for a file that cannot be opened or read, or for a folder.
std::optional<std::string> readWholeFile(const std::string& path);

} // namespace Lecterna
