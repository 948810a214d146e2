#pragma once

#include <string>
#include <string_view>

namespace Lecterna {

// Replaces the file at `path` by `bytes` so that a crash, a power cut or a full disk at any moment
// leaves on disk either the old file or the new one, never a mix: the bytes go to a temporary file
// beside the target, which is synced, given the old file's permissions and renamed over it; then the
// folder is synced so that the rename itself survives a power cut.
//
// A symbolic link is followed: the file it points to is replaced and the link stays. A target that
// exists but may not be written is left alone (the user made it read-only on purpose).
// Returns false when anything fails, with the old file untouched and no temporary file left behind;
// `error` (if given) then receives a short explanation.
bool writeFileAtomically(const std::string& path, std::string_view bytes, std::string* error = nullptr);

// Creates `dir` and any missing parents with the given mode. True when the folder exists afterwards.
bool makeFolders(const std::string& dir, unsigned mode);

} // namespace Lecterna
