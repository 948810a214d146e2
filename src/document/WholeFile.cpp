#include "document/WholeFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Lecterna {

namespace {

// read() that retries when a signal interrupts it.
ssize_t readSome(int fd, char* to, size_t size) {
    for (;;) {
        const ssize_t n = ::read(fd, to, size);
        if (n >= 0 || errno != EINTR)
            return n;
    }
}

} // namespace

std::optional<std::string> readWholeFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat st {};
    std::optional<std::string> result;
    if (::fstat(fd, &st) == 0 && !S_ISDIR(st.st_mode)) {
        std::string bytes(static_cast<size_t>(st.st_size), '\0');
        size_t done = 0;
        ssize_t n = 1;
        while (done < bytes.size() && (n = readSome(fd, bytes.data() + done, bytes.size() - done)) > 0)
            done += static_cast<size_t>(n);
        bytes.resize(done);
        char chunk[65536];
        while (n > 0 && (n = readSome(fd, chunk, sizeof chunk)) > 0)
            bytes.append(chunk, static_cast<size_t>(n));
        if (n >= 0)
            result = std::move(bytes);
    }
    ::close(fd);
    return result;
}

} // namespace Lecterna
