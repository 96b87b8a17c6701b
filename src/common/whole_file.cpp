#include "common/whole_file.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace karvelo {

bool ReadWholeFile(const std::string& path, std::string& content, std::string& reason) {
    content.clear();
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) {
        reason = std::strerror(errno);
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        reason = "not a regular file";
        return false;
    }
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                               &std::fclose);
    if (!file) {
        reason = std::strerror(errno);
        return false;
    }
    content.resize(static_cast<std::size_t>(info.st_size));
    const std::size_t read = std::fread(content.data(), 1, content.size(), file.get());
    if (read != content.size() || std::ferror(file.get())) {
        reason = "could not be read to the end";
        content.clear();
        return false;
    }
    return true;
}

}  // namespace karvelo
