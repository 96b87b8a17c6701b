#include "reader_entry.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <memory>
#include <string>

#include "profile/array_recording.h"
#include "profile/image_file_source.h"
#include "profile/profile_loader.h"
#include "profile/segy_source.h"
#include "profile/text_source.h"

namespace karvelo::fuzz {

namespace {

constexpr double kFuzzIntervalUs = 4.0;

// An anonymous file holding data, named through /proc so readers that take a path see it.
class MemoryFile {
  public:
    MemoryFile(std::span<const std::uint8_t> data, std::size_t size)
        : fd_(memfd_create("karvelo-fuzz", MFD_CLOEXEC)) {
        std::size_t written = 0;
        while (fd_ >= 0 && written < data.size()) {
            const ssize_t n = write(fd_, data.data() + written, data.size() - written);
            if (n <= 0) {
                break;
            }
            written += static_cast<std::size_t>(n);
        }
        ready_ = fd_ >= 0 && written == data.size() &&
                 (size <= data.size() || ftruncate(fd_, static_cast<off_t>(size)) == 0);
        path_ = "/proc/self/fd/" + std::to_string(fd_);
    }
    ~MemoryFile() {
        if (fd_ >= 0) {
            close(fd_);
        }
    }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;
    const std::string& Path() const { return path_; }
    bool Ready() const { return ready_; }

  private:
    int fd_;
    bool ready_ = false;
    std::string path_;
};

std::unique_ptr<ProfileSource> MakeSource(Reader reader, const std::string& path) {
    switch (reader) {
        case Reader::kText:
            return std::make_unique<TextSource>(std::vector<std::string>{path});
        case Reader::kSegy:
            return std::make_unique<SegySource>(std::vector<std::string>{path});
        case Reader::kImage:
            return std::make_unique<ImageFileSource>(path);
        case Reader::kWav:
            return std::make_unique<ArraySource>(ArrayKind::kWav, std::vector<std::string>{path});
        case Reader::kNumpy:
            return std::make_unique<ArraySource>(ArrayKind::kNumpy, std::vector<std::string>{path});
        case Reader::kMatlab:
            return std::make_unique<ArraySource>(ArrayKind::kMatlab,
                                                 std::vector<std::string>{path});
    }
    return nullptr;
}

}  // namespace

std::optional<Reader> ReaderNamed(std::string_view name) {
    const auto at = std::find(kReaderNames.begin(), kReaderNames.end(), name);
    if (at == kReaderNames.end()) {
        return std::nullopt;
    }
    return static_cast<Reader>(at - kReaderNames.begin());
}

bool LoadAsFile(Reader reader, std::span<const std::uint8_t> data) {
    if (reader == Reader::kImage) {
        data = data.first(std::min(data.size(), kImageBytes));
    }
    const MemoryFile file(data, reader == Reader::kImage ? kImageBytes : 0);
    if (!file.Ready()) {
        return false;
    }
    static const auto profile = std::make_unique<Profile>();
    SourceOptions options;
    options.IntervalUs = kFuzzIntervalUs;
    const std::unique_ptr<ProfileSource> source = MakeSource(reader, file.Path());
    return LoadProfileFrom(*profile, *source, kBothChannels, 1, options);
}

}  // namespace karvelo::fuzz
