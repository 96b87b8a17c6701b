// The two built-in profiles as a profile source ("Файл 1": profileChoice 0, "Файл 2":
// any other value). Writes exactly what LoadBuiltInProfile1/2 write.
#pragma once

#include <cstdint>

#include "profile/profile_source.h"

namespace karvelo {

class BuiltInSource : public ProfileSource {
  public:
    explicit BuiltInSource(std::uint32_t profileChoice) : choice_(profileChoice) {}
    bool WriteSourceImage(Image& image, const SourceOptions& options, SourceSummary& summary,
                          SourceRefusal& refusal) override;

  private:
    std::uint32_t choice_;
};

}  // namespace karvelo
