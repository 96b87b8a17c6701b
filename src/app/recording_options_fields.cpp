#include "app/recording_options_fields.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "app/dialog_units.h"
#include "app/field_exchange.h"
#include "app/static_text.h"
#include "app/ui_text.h"
#include "profile/file_sources.h"
#include "profile/profile_loader.h"
#include "profile/source_traces.h"

namespace karvelo {

std::array<QWidget*, 3> PlaceChannelRadios(QWidget* parent, QButtonGroup* group) {
    auto* frame = PlaceAt(new QGroupBox(parent), 30, 17, 142, 69);
    auto* channel1 = PlaceAt(new QRadioButton(parent), 38, 27, 42, 10);
    SetUiText(channel1, "text", KTR("OpenProfileDialog", "1 канал"));
    auto* channel2 = PlaceAt(new QRadioButton(parent), 37, 42, 42, 10);
    SetUiText(channel2, "text", KTR("OpenProfileDialog", "2 канал"));
    auto* both = PlaceAt(new QRadioButton(parent), 37, 59, 55, 10);
    SetUiText(both, "text", KTR("OpenProfileDialog", "Оба канала"));
    channel1->setObjectName(QStringLiteral("channel1"));
    channel2->setObjectName(QStringLiteral("channel2"));
    both->setObjectName(QStringLiteral("bothChannels"));
    group->addButton(channel1, kChannel1);
    group->addButton(channel2, kChannel2);
    group->addButton(both, kBothChannels);
    frame->lower();
    return {channel1, channel2, both};
}

RecordingOptionsFields::RecordingOptionsFields(QWidget* parent, const SourceOptions& options,
                                               int dy)
    : firstSamples_(PlaceAt(new QCheckBox(parent), 180, 82 + dy, 110, 10)),
      wholeMicroseconds_(PlaceAt(new QCheckBox(parent), 180, 96 + dy, 110, 10)),
      intervalLabel_(nullptr),
      interval_(PlaceAt(new QLineEdit(parent), 129, 110 + dy, 40, 14)),
      fitNote_(nullptr) {
    SetUiText(firstSamples_, "text", KTR("OpenProfileDialog", "Первые 2048 отсчётов"));
    SetUiText(wholeMicroseconds_, "text", KTR("OpenProfileDialog", "Шаг в целых мкс"));
    // The interval of recordings that give none (one column of amplitudes, NumPy, MATLAB),
    // and what opening the chosen files would do.
    interval_->setObjectName(QStringLiteral("intervalUs"));
    intervalLabel_ = StaticText(QString(), parent, 30, 113 + dy, 95, 8);
    SetUiText(intervalLabel_, "text", KTR("OpenProfileDialog", "Шаг дискретизации, мкс"));
    fitNote_ = StaticText(QString(), parent, 30, 128 + dy, 262, 16);
    fitNote_->setObjectName(QStringLiteral("fitNote"));
    fitNote_->setWordWrap(true);
    firstSamples_->setObjectName(QStringLiteral("firstSamples"));
    wholeMicroseconds_->setObjectName(QStringLiteral("wholeMicroseconds"));
    if (options.IntervalUs > 0.0) {
        interval_->setText(QString::number(options.IntervalUs));
    }
    firstSamples_->setChecked(options.FirstSamples);
    wholeMicroseconds_->setChecked(options.WholeMicroseconds);
}

void RecordingOptionsFields::Show(const std::vector<std::string>& files,
                                  const SourceOptions& base) {
    const bool fromDisk = !files.empty();
    firstSamples_->setVisible(fromDisk);
    wholeMicroseconds_->setVisible(fromDisk);
    intervalLabel_->setVisible(fromDisk);
    interval_->setVisible(fromDisk);
    SourceOptions options = base;
    options.FirstSamples = firstSamples_->isChecked();
    bool number = false;
    const double us = interval_->text().trimmed().replace(',', '.').toDouble(&number);
    options.IntervalUs = number && us > 0.0 ? us : 0.0;
    fitNote_->setText(fromDisk ? WithFieldNames(PreviewFiles(files, options)) : QString());
    fitNote_->setVisible(fromDisk);
}

bool RecordingOptionsFields::Read(SourceOptions& options) const {
    options.FirstSamples = firstSamples_->isChecked();
    options.WholeMicroseconds = wholeMicroseconds_->isChecked();
    options.IntervalUs = 0.0;
    if (interval_->text().trimmed().isEmpty()) {
        return true;
    }
    float us = 0.0f;
    if (!ReadField(interval_, us)) {
        return false;
    }
    if (!(us > 0.0f) || us > kMaxSampleIntervalUs) {
        PromptField("Please enter a sample interval in microseconds, above 0.", interval_);
        return false;
    }
    options.IntervalUs = us;
    return true;
}

}  // namespace karvelo
