#include "common/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string_view>
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

constexpr std::string_view kTempInfix = ".tmp.";
constexpr std::size_t kTempUniqueChars = 6;  // the XXXXXX mkstemp replaces

// Whether name is base + ".tmp." + six letters or digits: a temporary file of this writer.
bool IsTempName(std::string_view name, std::string_view base) {
    if (name.size() != base.size() + kTempInfix.size() + kTempUniqueChars ||
        !name.starts_with(base) || name.substr(base.size(), kTempInfix.size()) != kTempInfix) {
        return false;
    }
    const std::string_view unique = name.substr(base.size() + kTempInfix.size());
    return std::all_of(unique.begin(), unique.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

// Removes the temporary files of earlier writes to target that were killed before they
// could clean up. A write in progress holds a lock on its temporary file, so only files
// nobody holds are removed.
void RemoveLeftovers(const std::string& target) {
    const std::size_t slash = target.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(folder.c_str()), &closedir);
    if (!dir) {
        return;
    }
    while (const dirent* entry = readdir(dir.get())) {
        if (!IsTempName(entry->d_name, base)) {
            continue;
        }
        const std::string path = (slash == std::string::npos ? "" : folder) + entry->d_name;
        const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) {
            continue;
        }
        struct stat info {};
        if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && flock(fd, LOCK_EX | LOCK_NB) == 0) {
            unlink(path.c_str());
        }
        close(fd);
    }
}

// A new empty file in target's folder, named target + ".tmp.XXXXXX" made unique by
// mkstemp, with the permissions mode, locked (flock) through lockFd until the write is
// over. Empty when the folder cannot take a new file (errno says why).
std::string MakeTempFile(const std::string& target, mode_t mode, int& lockFd) {
    std::string pattern = target + std::string(kTempInfix) + "XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = mkstemp(name.data());
    if (fd < 0) {
        return {};
    }
    if (flock(fd, LOCK_EX) != 0 || fchmod(fd, mode) != 0) {
        const int error = errno;
        close(fd);
        std::remove(name.data());
        errno = error;
        return {};
    }
    lockFd = fd;
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

// Runs a write; when it fails without saying why (errno 0), the reason is an I/O error.
bool WriteKeepingErrno(const std::function<bool()>& write) {
    errno = 0;
    if (write()) {
        return true;
    }
    if (errno == 0) {
        errno = EIO;
    }
    return false;
}

}  // namespace

std::string WriteFailureReason() {
    return std::strerror(errno != 0 ? errno : EIO);
}

std::string WriteFailure(const std::string& path) {
    return (path.empty() ? "(no file name)" : path) + ": " + WriteFailureReason();
}

bool ReplaceFileAtomically(const std::string& target,
                           const std::function<bool(const std::string& tempPath)>& write) {
    if (target.empty()) {
        errno = ENOENT;
        return false;
    }
    const std::string file = FollowLinks(target);
    std::optional<struct stat> existing;
    if (struct stat entry{}; stat(file.c_str(), &entry) == 0) {
        existing = entry;
    }
    if (existing && !S_ISREG(existing->st_mode)) {
        return WriteKeepingErrno([&] { return write(file); });
    }
    RemoveLeftovers(file);
    int lockFd = -1;
    const std::string temp = MakeTempFile(file, ModeFor(existing), lockFd);
    if (temp.empty()) {
        return false;
    }
    const bool replaced = WriteKeepingErrno([&] {
        return write(temp) && SyncFile(temp) && std::rename(temp.c_str(), file.c_str()) == 0;
    });
    const int error = errno;
    if (!replaced) {
        std::remove(temp.c_str());
    }
    close(lockFd);
    errno = error;
    return replaced;
}

void ReportFileSizeLimitAsWriteError() {
    std::signal(SIGXFSZ, SIG_IGN);
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
                const int error = written == 0 ? EIO : errno;
                close(fd);
                errno = error;
                return false;
            }
            rest = rest.subspan(static_cast<std::size_t>(written));
        }
        return close(fd) == 0;
    });
}

}  // namespace karvelo
