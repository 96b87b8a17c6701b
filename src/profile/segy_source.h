// SEG-Y files read with segyio: revision 0, 1 or 2, big- or little-endian, samples as IBM
// float, IEEE float, or 4-, 2- or 1-byte integers. Several files are concatenated in the
// order given. 4-byte integers are kept as they are (format code 2), IEEE floats bit for
// bit (code 1); the other formats become IEEE singles.
//
// Channels: the records hold two channels (record 2k channel 1, 2k + 1 channel 2 of hit
// k) when their trace sequence numbers pair them as the built-in profiles do (1, 1, 2,
// 2, ...); otherwise each record is one hit of a single channel.
#pragma once

#include <string>
#include <vector>

#include "profile/profile_source.h"

namespace karvelo {

class SegySource : public ProfileSource {
  public:
    explicit SegySource(std::vector<std::string> paths);
    bool WriteSourceImage(Image& image, const SourceOptions& options, SourceSummary& summary,
                          SourceRefusal& refusal) override;

  private:
    std::vector<std::string> paths_;
};

}  // namespace karvelo
