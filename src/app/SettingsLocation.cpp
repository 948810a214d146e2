#include "app/SettingsLocation.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Lecterna {

namespace {

std::string formatMessage(std::string_view text, std::initializer_list<std::string_view> args) {
    std::string out;
    auto arg = args.begin();
    for (size_t i = 0; i < text.size(); ++i) {
        if (text.substr(i, 2) == "%s" && arg != args.end()) {
            out += *arg++;
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

// Renames `path` to a name that did not exist before; the new name, or empty on failure.
std::string moveAside(const std::string& path) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    const std::string base = path + ".broken-" + stamp;
    for (int n = 1; n < 100; ++n) {
        std::string aside = n == 1 ? base : base + "-" + std::to_string(n);
        if (::renameat2(AT_FDCWD, path.c_str(), AT_FDCWD, aside.c_str(), RENAME_NOREPLACE) == 0)
            return aside;
        if (errno == EEXIST)
            continue;
        if (errno != EINVAL && errno != ENOSYS)
            return {};
        // The file system cannot refuse to replace; look first.
        struct stat st {};
        if (::lstat(aside.c_str(), &st) == 0)
            continue;
        return ::rename(path.c_str(), aside.c_str()) == 0 ? aside : std::string();
    }
    return {};
}

} // namespace

SettingsLocation::SettingsLocation(const std::string& exeDir, std::string userFileName)
    : m_mode(probeSettingsMode(exeDir, userFileName)), m_userFileName(std::move(userFileName)) {}

SettingsLocation::SettingsLocation(SettingsMode mode, std::string userFileName)
    : m_mode(std::move(mode)), m_userFileName(std::move(userFileName)) {}

SettingsLocation SettingsLocation::fromEnvironment(const std::string& exeDir) {
    return SettingsLocation(exeDir, userFileNameFromEnvironment());
}

std::string SettingsLocation::userFileNameFromEnvironment() {
    std::string base;
    // A relative XDG_CONFIG_HOME is invalid and is to be ignored.
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && xdg[0] == '/') {
        base = xdg;
    } else {
        const char* home = std::getenv("HOME");
        if (!home || home[0] != '/') {
            const passwd* pw = ::getpwuid(::getuid());
            home = pw ? pw->pw_dir : "/tmp";
        }
        base = std::string(home) + "/.config";
    }
    while (base.size() > 1 && base.back() == '/')
        base.pop_back();
    return base + "/Lecterna/Lecterna.ini";
}

std::unique_ptr<IniFile> SettingsLocation::openSettingsForRead() {
    const bool user = m_mode.inRegistry && m_mode.registryKeyExists;
    return open(user ? m_userFileName : m_mode.iniFileName, user);
}

std::unique_ptr<IniFile> SettingsLocation::openSettingsForWrite() {
    if (m_mode.writesNothing())
        return nullptr;
    return m_mode.inRegistry ? open(m_userFileName, true) : open(m_mode.iniFileName, false);
}

bool SettingsLocation::writeIniMode() {
    if (m_mode.onCdRom)
        return false;
    auto ini = open(m_mode.iniFileName, false);
    ini->writeFlag("IniMode", "InRegistry", m_mode.inRegistry);
    return ini->flush();
}

void SettingsLocation::setInRegistry(bool on) {
    if (!on && m_mode.inRegistry) {
        ::unlink(m_userFileName.c_str());
        m_mode.registryKeyExists = false;
    }
    m_mode.inRegistry = on;
}

std::vector<std::string> SettingsLocation::takeMessages() {
    return std::exchange(m_messages, {});
}

std::unique_ptr<IniFile> SettingsLocation::open(const std::string& path, bool userStore) {
    auto file = std::make_unique<IniFile>();
    switch (file->load(path)) {
    case IniFile::LoadResult::Loaded:
    case IniFile::LoadResult::Missing: break;
    case IniFile::LoadResult::Unreadable: report(path, formatMessage(UnreadableFileText, {path})); break;
    case IniFile::LoadResult::NotText:
        if (const std::string aside = moveAside(path); !aside.empty()) {
            file = std::make_unique<IniFile>(path);
            report(path, formatMessage(BrokenFileRenamedText, {path, aside}));
        } else {
            report(path, formatMessage(BrokenFileKeptText, {path}));
        }
        break;
    }
    file->setCreatesFolder(userStore);
    return file;
}

void SettingsLocation::report(const std::string& path, std::string text) {
    if (m_reported.insert(path).second)
        m_messages.push_back(std::move(text));
}

} // namespace Lecterna
