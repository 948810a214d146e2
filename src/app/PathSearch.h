#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace Lecterna {

// The full name of an executable `program` found in the folders of `pathVariable` (the value of
// PATH), searched in order. Empty entries, which would mean the current folder, are skipped: a
// program found by accident in whatever folder we were started from is not one we want to run.
std::optional<std::string> findProgramOnPath(std::string_view program, std::string_view pathVariable);

} // namespace Lecterna
