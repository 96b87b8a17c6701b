// The program's own image files, as dump-image writes them: exactly kImageBytes bytes,
// native byte order. The image goes into the loader's image bit for bit (format code, headers,
// samples, slack records); its records are laid out as the built-in profiles are (two
// channels alternating) and its time unit follows the image rule.
#pragma once

#include <string>

#include "profile/profile_source.h"

namespace karvelo {

class ImageFileSource : public ProfileSource {
  public:
    explicit ImageFileSource(std::string path);
    bool WriteSourceImage(Image& image, const SourceOptions& options, SourceSummary& summary,
                          SourceRefusal& refusal) override;

  private:
    std::string path_;
};

}  // namespace karvelo
