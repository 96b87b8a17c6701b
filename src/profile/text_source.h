// Text recordings, one file per hit, in the layouts of text_recording.h: delimited text
// (a time column and one or two amplitude columns separated by tabs, spaces, commas or
// semicolons, a decimal comma where the separator is a semicolon or a tab, a header with
// units rows; or one column of amplitudes), LabVIEW measurement files and comma text with
// metadata columns. CRLF line ends, a UTF-8 byte-order mark and empty last lines are
// accepted. Files without a time column take the header's interval or the one given in
// the options. Files are taken in natural name order.
#pragma once

#include <string>
#include <vector>

#include "profile/profile_source.h"

namespace karvelo {

class TextSource : public ProfileSource {
  public:
    explicit TextSource(std::vector<std::string> paths);
    bool WriteSourceImage(Image& image, const SourceOptions& options, SourceSummary& summary,
                          SourceRefusal& refusal) override;

  private:
    std::vector<std::string> paths_;
};

}  // namespace karvelo
