#include "app/ProcessFolders.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include <sys/stat.h>

#include <unistd.h>

namespace Lecterna {

std::string executableDir() {
    std::error_code ec;
    const auto exe = std::filesystem::canonical("/proc/self/exe", ec);
    if (ec)
        return {};
    std::string dir = exe.parent_path().string();
    if (dir.empty() || dir.back() != '/')
        dir += '/';
    return dir;
}

std::string systemTempFolder() {
    if (const char* tmp = std::getenv("TMPDIR"); tmp && tmp[0] == '/') {
        struct stat st {};
        if (::stat(tmp, &st) == 0 && S_ISDIR(st.st_mode)) {
            std::string dir = tmp;
            while (dir.size() > 1 && dir.back() == '/')
                dir.pop_back();
            return dir;
        }
    }
    return "/tmp";
}

TempDirCreation createTempDir(const std::string& systemTemp) {
    TempDirCreation result;
    std::string name = systemTemp;
    if (name.empty() || name.back() != '/')
        name += '/';
    // The process number in the name lets a later run tell the folder of a run that crashed
    // from the folder of a copy that is still running.
    name += "Book" + std::to_string(::getpid()) + "-XXXXXX";
    if (::mkdtemp(name.data()) == nullptr) {
        result.error = errno;
        result.errorMessage = "Abnormal program terminate.\nCannot create \"" + name + "\"";
        return result;
    }
    result.path = name + '/';
    return result;
}

std::string longFileName(const std::string& path) {
    std::error_code ec;
    const auto absolute = std::filesystem::absolute(path, ec);
    if (ec)
        return path;
    const auto canonical = std::filesystem::weakly_canonical(absolute, ec);
    return ec ? absolute.string() : canonical.string();
}

} // namespace Lecterna
