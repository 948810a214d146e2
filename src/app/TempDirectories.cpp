#include "app/TempDirectories.h"

#include "app/IniFile.h"
#include "app/SettingsLocation.h"

#include <cerrno>
#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

namespace Lecterna {

namespace {
constexpr const char* Section = "TempDirectories";
}

void TempDirectories::cleanOld(const SettingsStore& store) {
    m_folders = store.keyNames(Section);
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
