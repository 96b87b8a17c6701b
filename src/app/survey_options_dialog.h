// The reading options of a survey's recordings, asked once the files are chosen: the
// channels and the options of the open dialog, with what opening the first position's
// files would do.
#pragma once

#include <QDialog>

#include <memory>
#include <string>
#include <vector>

#include "profile/profile_source.h"

class QButtonGroup;

namespace karvelo {

class RecordingOptionsFields;

class SurveyOptionsDialog : public QDialog {
  public:
    // files are the survey's recordings, positions how many positions they make; the
    // controls start from options and channelMode (the document's last open).
    SurveyOptionsDialog(QWidget* parent, std::vector<std::string> files, std::size_t positions,
                        const SourceOptions& options, int channelMode);
    ~SurveyOptionsDialog() override;

    // OK: reads the options (a bad interval is prompted and the dialog stays open).
    void accept() override;

    const SourceOptions& Options() const { return options_; }
    int ChannelMode() const { return channelMode_; }

  private:
    std::vector<std::string> files_;
    SourceOptions options_;
    int channelMode_;
    QButtonGroup* channels_;
    std::unique_ptr<RecordingOptionsFields> fields_;
};

}  // namespace karvelo
