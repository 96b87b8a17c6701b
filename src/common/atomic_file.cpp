#include "common/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

namespace karvelo {

namespace {

// The file a path names once symbolic links are followed; the path itself when it is
// no link or a dangling one.
std::string FollowLinks(const std::string& path) {
    struct stat entry {};
    if (lstat(path.c_str(), &entry) != 0 || !S_ISLNK(entry.st_mode)) {
        return path;
    }
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) != nullptr ? std::string(resolved) : path;
}

// A new empty file in target's folder, named target + ".tmp.XXXXXX" made unique by
// mkstemp, with the permissions mode. Empty when the folder cannot take a new file.
std::string MakeTempFile(const std::string& target, mode_t mode) {
    std::string pattern = target + ".tmp.XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = mkstemp(name.data());
    if (fd < 0) {
        return {};
    }
    const bool ready = fchmod(fd, mode) == 0;
    if (close(fd) != 0 || !ready) {
        std::remove(name.data());
        return {};
    }
    return std::string(name.data());
}

// mkstemp makes the file private; a new file gets the mode any newly created file would
// have, a replaced one keeps its own.
mode_t ModeFor(const std::optional<struct stat>& existing) {
    if (existing) {
        return existing->st_mode & 07777;
    }
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// Flushes the written file to the disk before the rename makes it the target.
bool SyncFile(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY);
    if (fd < 0) {
        return false;
    }
    const bool synced = fsync(fd) == 0;
    return close(fd) == 0 && synced;
}

}  // namespace

bool ReplaceFileAtomically(const std::string& target,
                           const std::function<bool(const std::string& tempPath)>& write) {
    if (target.empty()) {
        return false;
    }
    const std::string file = FollowLinks(target);
    std::optional<struct stat> existing;
    if (struct stat entry{}; stat(file.c_str(), &entry) == 0) {
        existing = entry;
    }
    if (existing && !S_ISREG(existing->st_mode)) {
        return write(file);
    }
    const std::string temp = MakeTempFile(file, ModeFor(existing));
    if (temp.empty()) {
        return false;
    }
    if (!write(temp) || !SyncFile(temp) || std::rename(temp.c_str(), file.c_str()) != 0) {
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

bool WriteFileAtomically(const std::string& target, std::span<const char> bytes) {
    return ReplaceFileAtomically(target, [bytes](const std::string& path) {
        const int fd = open(path.c_str(), O_WRONLY | O_TRUNC);
        if (fd < 0) {
            return false;
        }
        std::span<const char> rest = bytes;
        while (!rest.empty()) {
            const ssize_t written = ::write(fd, rest.data(), rest.size());
            if (written < 0 && errno == EINTR) {
                continue;
            }
            if (written <= 0) {
                close(fd);
                return false;
            }
            rest = rest.subspan(static_cast<std::size_t>(written));
        }
        return close(fd) == 0;
    });
}

}  // namespace karvelo
