// Where a profile comes from: the built-in profiles, the program's own image files, SEG-Y
// files or text recordings. Each source writes the image it is given and says what it wrote; the
// loader (profile_loader.h) then applies the same channel and hits checks to all of them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "common/whole_file.h"
#include "profile/profile_image.h"

namespace karvelo {

// The choices of the open dialog that change how files are read.
struct SourceOptions {
    bool FirstSamples = false;  // "Первые 2048 отсчётов": keep the first 2048 samples
    bool WholeMicroseconds = false;  // "Шаг в целых мкс": accepted; intervals always end whole
    double IntervalUs = 0.0;  // "Шаг дискретизации, мкс" for files that give none (0: none)
    std::string Variable{};  // the array of a MATLAB file to read (empty: the first numeric)
};

// What a source wrote into its image.
struct SourceSummary {
    std::uint32_t Records = 0;   // trace records written
    std::uint32_t Channels = 2;  // 1: one record per hit; 2: records 2k, 2k + 1 of hit k
    std::uint32_t Samples = 0;   // samples per trace as written
    std::uint32_t Interval = 0;  // sample interval as written, in Unit
    TimeUnit Unit = TimeUnit::kByImageRule;
    std::vector<std::string> Names;  // the files read, in the order their records stand
    std::string Note;                // what was changed on the way in (empty: nothing)
};

// Why a source wrote nothing usable: the error code of the table and the second line of
// the message (file name, line, reason).
struct SourceRefusal {
    int Code = 0;
    std::string File;      // the file concerned (empty: the choice as a whole)
    std::size_t Line = 0;  // 1-based line of a text file, or 0 where lines do not apply
    std::string Reason;    // plain words
};

// The second line of a refusal's message: "FILE, line N: REASON" (the parts that apply).
std::string RefusalDetail(const SourceRefusal& refusal);

// The refusal of a file that CheckRegularFile or MappedFile::Open found at fault: error 6
// when it cannot be opened or is not a regular file, error 8 when it is too large.
SourceRefusal FileFaultRefusal(FileFault fault, const std::string& file, std::string reason);

// Maps path for a reader (MappedFile::Open within kMaxWholeFileBytes); false with refusal
// filled (FileFaultRefusal) when it cannot.
bool MapRecordingFile(const std::string& path, MappedFile& file, SourceRefusal& refusal);

class ProfileSource {
  public:
    virtual ~ProfileSource() = default;
    // Writes the profile into image and fills summary, or fills refusal and returns
    // false. A refusal may leave image changed but touches nothing else.
    virtual bool WriteSourceImage(Image& image, const SourceOptions& options,
                                  SourceSummary& summary, SourceRefusal& refusal) = 0;
};

}  // namespace karvelo
