#include "common/whole_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace karvelo {

namespace {

// What a file that is not a regular file is, for the refusal.
std::string NotRegularReason(mode_t mode) {
    if (S_ISDIR(mode)) {
        return "is a directory, not a file";
    }
    if (S_ISFIFO(mode)) {
        return "is a named pipe (FIFO), not a file";
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return "is a device, not a file";
    }
    if (S_ISSOCK(mode)) {
        return "is a socket, not a file";
    }
    return "is not a regular file";
}

// An open descriptor closed on every path out.
struct Descriptor {
    int fd = -1;
    ~Descriptor() {
        if (fd >= 0) {
            close(fd);
        }
    }
};

FileFault CheckOpen(const std::string& path, Descriptor& file, std::uint64_t& size,
                    std::string& reason) {
    // O_NONBLOCK: opening a named pipe for reading waits for a writer without it.
    file.fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (file.fd < 0) {
        reason = std::strerror(errno);
        return FileFault::kCannotOpen;
    }
    struct stat info {};
    if (fstat(file.fd, &info) != 0) {
        reason = std::strerror(errno);
        return FileFault::kCannotOpen;
    }
    if (!S_ISREG(info.st_mode)) {
        reason = NotRegularReason(info.st_mode);
        return FileFault::kNotRegular;
    }
    size = static_cast<std::uint64_t>(info.st_size);
    return FileFault::kNone;
}

FileFault CheckOpenWithin(const std::string& path, std::uint64_t maxBytes, Descriptor& file,
                          std::uint64_t& size, std::string& reason) {
    if (const FileFault fault = CheckOpen(path, file, size, reason); fault != FileFault::kNone) {
        return fault;
    }
    if (size > maxBytes) {
        reason = FormatFileSize(size) + ", larger than the " + FormatFileSize(maxBytes) +
                 " a recording file may be";
        return FileFault::kTooLarge;
    }
    return FileFault::kNone;
}

// Reads up to length bytes into bytes; got is how many there were (fewer when the file
// ends sooner, as when it was cut short since it was measured).
bool ReadUpTo(int fd, char* bytes, std::size_t length, std::size_t& got, std::string& reason) {
    got = 0;
    while (got < length) {
        const ssize_t n = read(fd, bytes + got, length - got);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            reason = std::strerror(errno);
            return false;
        }
        if (n == 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

FileFault CheckRegularFile(const std::string& path, std::uint64_t& size, std::string& reason) {
    Descriptor file;
    return CheckOpen(path, file, size, reason);
}

FileFault CheckFileWithin(const std::string& path, std::uint64_t maxBytes, std::uint64_t& size,
                          std::string& reason) {
    Descriptor file;
    return CheckOpenWithin(path, maxBytes, file, size, reason);
}

FileFault ReadFileHead(const std::string& path, std::size_t count, std::string& head,
                       std::uint64_t& size, std::string& reason) {
    Descriptor file;
    if (const FileFault fault = CheckOpen(path, file, size, reason); fault != FileFault::kNone) {
        return fault;
    }
    head.resize(static_cast<std::size_t>(std::min<std::uint64_t>(size, count)));
    std::size_t got = 0;
    if (!ReadUpTo(file.fd, head.data(), head.size(), got, reason)) {
        return FileFault::kCannotOpen;
    }
    head.resize(got);
    return FileFault::kNone;
}

MappedFile::~MappedFile() {
    Close();
}

void MappedFile::Close() {
    if (mapped_) {
        munmap(const_cast<char*>(data_), size_);
    }
    read_.reset();
    data_ = nullptr;
    size_ = 0;
    mapped_ = false;
}

FileFault MappedFile::Open(const std::string& path, std::uint64_t maxBytes, std::string& reason) {
    Close();
    Descriptor file;
    std::uint64_t size = 0;
    if (const FileFault fault = CheckOpenWithin(path, maxBytes, file, size, reason);
        fault != FileFault::kNone) {
        return fault;
    }
    if (size == 0) {
        return FileFault::kNone;
    }
    if (size <= kReadBelowBytes) {
        const auto length = static_cast<std::size_t>(size);
        read_ = std::make_unique_for_overwrite<char[]>(length);
        if (!ReadUpTo(file.fd, read_.get(), length, size_, reason)) {
            read_.reset();
            return FileFault::kCannotOpen;
        }
        data_ = read_.get();
        return FileFault::kNone;
    }
    void* data = mmap(nullptr, static_cast<std::size_t>(size), PROT_READ, MAP_PRIVATE, file.fd, 0);
    if (data == MAP_FAILED) {
        reason = std::strerror(errno);
        return FileFault::kCannotOpen;
    }
    madvise(data, static_cast<std::size_t>(size), MADV_SEQUENTIAL);
    data_ = static_cast<const char*>(data);
    size_ = static_cast<std::size_t>(size);
    mapped_ = true;
    return FileFault::kNone;
}

std::string FormatFileSize(std::uint64_t bytes) {
    constexpr double kGb = 1e9;
    constexpr double kMb = 1e6;
    char text[32];
    if (bytes >= static_cast<std::uint64_t>(kGb)) {
        std::snprintf(text, sizeof text, "%.3g GB", static_cast<double>(bytes) / kGb);
    } else if (bytes >= static_cast<std::uint64_t>(kMb)) {
        std::snprintf(text, sizeof text, "%.3g MB", static_cast<double>(bytes) / kMb);
    } else {
        std::snprintf(text, sizeof text, "%llu bytes", static_cast<unsigned long long>(bytes));
    }
    return text;
}

}  // namespace karvelo
