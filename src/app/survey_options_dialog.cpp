#include "app/survey_options_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/dialog_units.h"
#include "app/field_exchange.h"
#include "app/recording_options_fields.h"
#include "app/static_text.h"
#include "app/tab_chain.h"
#include "app/ui_text.h"
#include "profile/file_sources.h"
#include "profile/profile_loader.h"

namespace karvelo {

SurveyOptionsDialog::SurveyOptionsDialog(QWidget* parent, std::vector<std::string> files,
                                         std::size_t positions, const SourceOptions& options,
                                         int channelMode)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      files_(std::move(files)),
      options_(options),
      channelMode_(channelMode),
      channels_(new QButtonGroup(this)) {
    SetUiText(this, "windowTitle",
              KTR("SurveyOptionsDialog", "Карта обследования: чтение записей"));
    setFont(DialogFont());
    setFixedSize(DialogSize(302, 146));

    auto* ok = PlaceAt(new QPushButton(QStringLiteral("OK"), this), 210, 24, 68, 14);
    ok->setDefault(true);
    ok->setObjectName(QStringLiteral("ok"));
    auto* cancel = PlaceAt(new QPushButton(this), 210, 42, 68, 14);
    SetUiText(cancel, "text", KTR("OpenProfileDialog", "Cancel"));
    cancel->setObjectName(QStringLiteral("cancel"));
    const auto [channel1, channel2, both] = PlaceChannelRadios(this, channels_);
    auto* sourceName = StaticText(QString(), this, 30, 5, 250, 8);
    sourceName->setObjectName(QStringLiteral("sourceName"));
    sourceName->setText(Translate(KTR("SurveyOptionsDialog", "%1 — позиций: %2"))
                            .arg(QString::fromStdString(DescribeFiles(files_)))
                            .arg(positions));
    fields_ = std::make_unique<RecordingOptionsFields>(this, options_);
    WriteRadio(channels_, channelMode_);

    // What opening the first position would do stands for the survey: the recordings of a
    // survey come from one instrument.
    const auto preview = [this] {
        const std::vector<std::string> first(files_.begin(),
                                             files_.begin() + (files_.empty() ? 0 : 1));
        fields_->Show(first, options_);
    };
    preview();
    SetTabChain({channel1, channel2, both, fields_->FirstSamples(), fields_->WholeMicroseconds(),
                 fields_->Interval(), ok, cancel});
    connect(fields_->FirstSamples(), &QCheckBox::toggled, this, preview);
    connect(fields_->Interval(), &QLineEdit::textChanged, this, preview);
    connect(ok, &QPushButton::clicked, this, &SurveyOptionsDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &SurveyOptionsDialog::reject);
}

SurveyOptionsDialog::~SurveyOptionsDialog() = default;

void SurveyOptionsDialog::accept() {
    if (!fields_->Read(options_)) {
        return;
    }
    channelMode_ = ReadRadio(channels_);
    QDialog::accept();
}

}  // namespace karvelo
