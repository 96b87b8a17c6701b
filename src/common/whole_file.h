// Reading the files a user chooses: only regular files, checked before any reader or
// library opens them, within a size bound; large files are mapped into memory rather than
// copied.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace karvelo {

// Largest file read whole (text recordings, NumPy arrays, image files): 1 GB.
inline constexpr std::uint64_t kMaxWholeFileBytes = 1000000000;

// What is wrong with a path a reader is given.
enum class FileFault {
    kNone,
    kCannotOpen,  // the system's reason: missing, permission, a loop of links ...
    kNotRegular,  // a directory, a named pipe, a device or a socket
    kTooLarge,    // larger than the bound the caller gives
};

// Checks path without reading from it and without blocking (a named pipe with no writer
// opens at once): kNone and size in bytes for a regular file the process may read, else
// the fault with reason in plain words ("is a directory, not a file", "is a named pipe
// (FIFO), not a file", the system's message for a missing file ...).
FileFault CheckRegularFile(const std::string& path, std::uint64_t& size, std::string& reason);

// CheckRegularFile, and kTooLarge for a file larger than maxBytes ("2.15 GB, larger than
// the 1 GB a recording file may be").
FileFault CheckFileWithin(const std::string& path, std::uint64_t maxBytes, std::uint64_t& size,
                          std::string& reason);

// CheckRegularFile, and on kNone up to count bytes from the start of the file in head (fewer
// when the file is shorter), from the one opening of it.
FileFault ReadFileHead(const std::string& path, std::size_t count, std::string& head,
                       std::uint64_t& size, std::string& reason);

// A regular file's bytes for the life of the object. Files of up to kReadBelowBytes are read
// into memory: mapping and unmapping thousands of small recordings costs more than copying
// them (each unmapping interrupts every other core running the process) and a file cut short
// while it is open cannot fault the reader. Larger files are mapped read-only.
class MappedFile {
  public:
    MappedFile() = default;
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    // Maps path (CheckRegularFile first); a file larger than maxBytes is refused
    // (kTooLarge) before a byte of it is read. On a fault the object stays empty.
    FileFault Open(const std::string& path, std::uint64_t maxBytes, std::string& reason);

    // The file's bytes (empty for an empty file or before Open).
    std::string_view Bytes() const { return {data_, size_}; }

    static constexpr std::uint64_t kReadBelowBytes = 4 << 20;

  private:
    void Close();
    std::unique_ptr<char[]> read_;  // a read file's bytes, left uninitialised until read
    const char* data_ = nullptr;
    std::size_t size_ = 0;
    bool mapped_ = false;
};

// "1.5 GB", "812 MB": a file size as refusals print it.
std::string FormatFileSize(std::uint64_t bytes);

}  // namespace karvelo
