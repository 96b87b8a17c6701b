#include "common/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

namespace karvelo {

namespace {

// A new empty file in target's folder, named target + ".tmp.XXXXXX" made unique by
// mkstemp. Empty when the folder cannot take a new file.
std::string MakeTempFile(const std::string& target) {
    std::string pattern = target + ".tmp.XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = mkstemp(name.data());
    if (fd < 0) {
        return {};
    }
    // mkstemp makes the file private; give it the mode a newly created file would have.
    const mode_t mask = umask(0);
    umask(mask);
    const bool ready = fchmod(fd, 0666 & ~mask) == 0;
    if (close(fd) != 0 || !ready) {
        std::remove(name.data());
        return {};
    }
    return std::string(name.data());
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
    const std::string temp = MakeTempFile(target);
    if (temp.empty()) {
        return false;
    }
    if (!write(temp) || !SyncFile(temp) || std::rename(temp.c_str(), target.c_str()) != 0) {
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

}  // namespace karvelo
