#include "app/AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Lecterna {

namespace {

bool fail(std::string* error, std::string what, int err) {
    if (error)
        *error = std::move(what) + ": " + std::strerror(err);
    return false;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

// A writer killed half-way (power cut, SIGKILL) leaves its temporary file; the next successful write
// removes those whose process is gone.
void removeStaleTemporaries(const std::string& folder, const std::string& name) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    const std::string prefix = name + ".tmp-";
    while (const dirent* e = ::readdir(dir)) {
        const std::string_view entry = e->d_name;
        if (!entry.starts_with(prefix))
            continue;
        const long pid = std::strtol(e->d_name + prefix.size(), nullptr, 10);
        if (pid > 0 && pid != ::getpid() && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
            ::unlinkat(::dirfd(dir), e->d_name, 0);
    }
    ::closedir(dir);
}

} // namespace

bool writeFileAtomically(const std::string& requested, std::string_view bytes, std::string* error) {
    std::string path = requested;
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        std::error_code ec;
        const auto target = std::filesystem::canonical(path, ec);
        if (ec)
            return fail(error, "cannot follow the link " + path, ec.value());
        path = target.string();
    }

    const bool exists = ::stat(path.c_str(), &st) == 0;
    if (exists && ::access(path.c_str(), W_OK) != 0)
        return fail(error, "cannot write " + path, errno);

    // The pid and a counter keep two writers (two copies of the program, or two stores of one) from
    // sharing a temporary name; O_EXCL makes sure we never write into somebody else's file.
    static std::atomic<unsigned> counter{0};
    const std::string temp = path + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter.fetch_add(1));
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return fail(error, "cannot create " + temp, errno);

    bool ok = writeAll(fd, bytes);
    int err = errno;
    if (ok && exists) {
        // Keep the old file's mode and, where we may, its owner (root editing a user's settings).
        if (::fchmod(fd, st.st_mode & 07777) != 0) {
            ok = false;
            err = errno;
        } else if (::fchown(fd, st.st_uid, st.st_gid) != 0) {
            // Not permitted for ordinary users, and then not needed: the owner is already us.
        }
    }
    if (ok && ::fsync(fd) != 0) {
        ok = false;
        err = errno;
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (ok && ::rename(temp.c_str(), path.c_str()) != 0) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        return fail(error, "cannot write " + path, err);
    }

    // Without this the rename may be lost on a power cut even though the data blocks are on disk.
    // Some file systems refuse fsync on a folder; the file itself is already safe then.
    const std::string folder = folderOf(path);
    const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    removeStaleTemporaries(folder, path.substr(path.rfind('/') + 1));
    return true;
}

bool makeFolders(const std::string& dir, unsigned mode) {
    if (dir.empty())
        return false;
    struct stat st {};
    if (::stat(dir.c_str(), &st) == 0)
        return S_ISDIR(st.st_mode);
    const std::string parent = folderOf(dir);
    if (parent != dir && !makeFolders(parent, mode))
        return false;
    return ::mkdir(dir.c_str(), static_cast<mode_t>(mode)) == 0 || errno == EEXIST;
}

} // namespace Lecterna
