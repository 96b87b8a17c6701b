// The reading options of recordings from disk, as the open dialog and the survey map's
// options dialog both offer them: "Первые 2048 отсчётов", "Шаг в целых мкс", "Шаг
// дискретизации, мкс" and, below them, what opening the chosen files would do.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "profile/profile_source.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace karvelo {

// "1 канал", "2 канал" and "Оба канала" in their frame on parent, added to group under
// their channel modes; returned in that order.
std::array<QWidget*, 3> PlaceChannelRadios(QWidget* parent, QButtonGroup* group);

class RecordingOptionsFields {
  public:
    // Creates the controls on parent, the open dialog's template rectangles moved down by
    // dy dialog units, set from options.
    RecordingOptionsFields(QWidget* parent, const SourceOptions& options, int dy = 0);

    // Shows the controls for files from disk (hides them without files) with the note of
    // what opening files with the options as they stand would do.
    void Show(const std::vector<std::string>& files, const SourceOptions& base);

    // The options as the controls stand, over base (the MATLAB variable is kept); false
    // (prompted) when the interval is neither empty nor a number above 0.
    bool Read(SourceOptions& options) const;

    QCheckBox* FirstSamples() const { return firstSamples_; }
    QCheckBox* WholeMicroseconds() const { return wholeMicroseconds_; }
    QLineEdit* Interval() const { return interval_; }

  private:
    QCheckBox* firstSamples_;
    QCheckBox* wholeMicroseconds_;
    QLabel* intervalLabel_;
    QLineEdit* interval_;
    QLabel* fitNote_;
};

}  // namespace karvelo
