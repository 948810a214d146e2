#include "app/PathSearch.h"

#include <sys/stat.h>
#include <unistd.h>

namespace Lecterna {

std::optional<std::string> findProgramOnPath(std::string_view program, std::string_view pathVariable) {
    if (program.empty() || program.find('/') != std::string_view::npos)
        return std::nullopt;
    while (!pathVariable.empty()) {
        const size_t colon = pathVariable.find(':');
        const std::string_view dir = pathVariable.substr(0, colon);
        pathVariable.remove_prefix(colon == std::string_view::npos ? pathVariable.size() : colon + 1);
        if (dir.empty())
            continue;
        std::string candidate(dir);
        if (candidate.back() != '/')
            candidate += '/';
        candidate += program;
        struct stat st {};
        if (::stat(candidate.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return std::nullopt;
}

} // namespace Lecterna
