#include "app/TempDirectories.h"

#include "app/IniFile.h"
#include "app/SettingsLocation.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

namespace Lecterna {

namespace {
constexpr const char* Section = "TempDirectories";
}

namespace {

// "Book4711-Ab3dEf" -> 4711; 0 for any other name.
pid_t creatorOf(const std::string& name) {
    if (name.size() < 12 || name.compare(0, 4, "Book") != 0)
        return 0;
    const size_t dash = name.find('-', 4);
    if (dash == std::string::npos || dash == 4 || name.size() - dash - 1 != 6)
        return 0;
    pid_t pid = 0;
    for (size_t i = 4; i < dash; ++i) {
        if (name[i] < '0' || name[i] > '9' || pid > 100'000'000)
            return 0;
        pid = pid * 10 + (name[i] - '0');
    }
    return pid;
}

bool processExists(pid_t pid) { return ::kill(pid, 0) == 0 || errno == EPERM; }

} // namespace

void TempDirectories::adoptOrphans(const std::string& systemTemp) {
    namespace fs = std::filesystem;
    std::error_code ec;
    for (fs::directory_iterator it(systemTemp, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const pid_t pid = creatorOf(name);
        struct stat st {};
        const std::string path = it->path().string() + '/';
        if (pid <= 0 || pid == ::getpid() || processExists(pid) || ::lstat(it->path().c_str(), &st) != 0 ||
            !S_ISDIR(st.st_mode) || st.st_uid != ::getuid())
            continue;
        if (std::find(m_folders.begin(), m_folders.end(), path) == m_folders.end())
            m_folders.push_back(path);
    }
}

void TempDirectories::cleanOld(const SettingsStore& store, const std::string& systemTemp) {
    m_folders = store.keyNames(Section);
    if (!systemTemp.empty())
        adoptOrphans(systemTemp);
    for (size_t i = m_folders.size(); i-- > 0;) {
        const std::string& dir = m_folders[i];
        struct stat st {};
        bool drop = true;
        // A relative name would be taken from wherever we were started; it is not one of ours.
        if (!dir.empty() && dir.front() == '/' && ::lstat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
            drop = ::rmdir(dir.c_str()) == 0 || errno == ENOENT;
        if (drop)
            m_folders.erase(m_folders.begin() + static_cast<ptrdiff_t>(i));
    }
}

bool TempDirectories::removeTempDir(const std::string& tempDir) {
    namespace fs = std::filesystem;
    if (tempDir.empty() || tempDir.front() != '/' || fs::path(tempDir).relative_path().empty())
        return false;
    std::error_code ec;
    std::vector<fs::path> entries;
    for (fs::directory_iterator it(tempDir, ec), end; !ec && it != end; it.increment(ec))
        entries.push_back(it->path());
    for (const fs::path& p : entries) {
        std::error_code ignored;
        fs::remove_all(p, ignored); // removes a symbolic link itself, not what it points to
    }
    if (::rmdir(tempDir.c_str()) == 0 || errno == ENOENT)
        return true;
    m_folders.push_back(tempDir);
    return false;
}

void TempDirectories::write(SettingsStore& store) const {
    store.eraseSection(Section);
    for (const std::string& dir : m_folders)
        if (IniFile::isValidKeyName(dir)) // a folder named with "=" cannot be a key; it is forgotten
            store.setValue(Section, dir, "");
}

void TempDirectories::save(SettingsLocation& location) const {
    try {
        if (auto store = location.openSettingsForWrite()) {
            write(*store);
            store->flush();
        }
    } catch (...) {
    }
}

} // namespace Lecterna
