// Text recordings, one file per hit: a time column in seconds and one or two amplitude
// columns (channel 1, channel 2), separated by tabs, spaces, commas or semicolons, with a
// decimal comma where the separator is a semicolon or a tab. Leading lines that are not
// numbers are skipped; CRLF line ends, a UTF-8 byte-order mark and empty last lines are
// accepted. Files are taken in natural name order.
#pragma once

#include <string>
#include <vector>

#include "profile/profile_source.h"

namespace karvelo {

// Times of consecutive samples may differ from the mean step by this fraction at most.
inline constexpr double kIntervalTolerance = 0.01;

class TextSource : public ProfileSource {
  public:
    explicit TextSource(std::vector<std::string> paths);
    bool WriteSourceImage(Image& image, const SourceOptions& options, SourceSummary& summary,
                          SourceRefusal& refusal) override;

  private:
    std::vector<std::string> paths_;
};

}  // namespace karvelo
