#include "app/open_profile_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/choose_demo_dialog.h"
#include "app/dialog_units.h"
#include "app/field_exchange.h"
#include "app/recording_options_fields.h"
#include "app/static_text.h"
#include "app/tab_chain.h"
#include "app/ui_text.h"
#include "common/field_rules.h"
#include "profile/file_sources.h"
#include "profile/source_traces.h"

namespace karvelo {

OpenProfileDialog::OpenProfileDialog(QWidget* parent, OpenFilesChooser& files, Document& document)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      files_(files),
      document_(document),
      source_(document.LoadedSource),
      channels_(new QButtonGroup(this)),
      hits_(nullptr),
      sourceName_(nullptr) {
    SetUiText(this, "windowTitle", KTR("OpenProfileDialog", "Открыть"));
    setFont(DialogFont());
    setFixedSize(DialogSize(302, 146));

    // Created in template order, which is also the tab order.
    auto* choose = PlaceAt(new QPushButton(this), 210, 24, 68, 14);
    SetUiText(choose, "text", KTR("OpenProfileDialog", "Выбрать файлы"));
    auto* ok = PlaceAt(new QPushButton(QStringLiteral("OK"), this), 210, 42, 68, 14);
    ok->setDefault(true);
    auto* cancel = PlaceAt(new QPushButton(this), 210, 60, 68, 14);
    SetUiText(cancel, "text", KTR("OpenProfileDialog", "Cancel"));
    const auto [channel1, channel2, both] = PlaceChannelRadios(this, channels_);
    hits_ = PlaceAt(new QLineEdit(this), 129, 92, 40, 14);
    hits_->setObjectName(QStringLiteral("hits"));
    SetFieldRule(hits_, kRuleHits);
    StaticText(KTR("OpenProfileDialog", "Кол-во ударов на точку"), this, 30, 95, 83, 8);
    // Shown only once files from disk are chosen: the built-in profiles have no options.
    sourceName_ = StaticText(QString(), this, 30, 5, 250, 8);
    sourceName_->setObjectName(QStringLiteral("sourceName"));
    options_ = std::make_unique<RecordingOptionsFields>(this, source_.Options);
    ShowSource();

    // Tab goes down the channels and the hits, then the options of files from disk, then
    // down the buttons on the right.
    for (auto [control, name] : {std::pair<QWidget*, const char*>{choose, "chooseFiles"},
                                 {ok, "ok"},
                                 {cancel, "cancel"}}) {
        control->setObjectName(QString::fromLatin1(name));
    }
    SetTabChain({channel1, channel2, both, hits_, options_->FirstSamples(),
                 options_->WholeMicroseconds(), options_->Interval(), choose, ok, cancel});

    WriteRadio(channels_, kBothChannels);
    WriteField(hits_, document.CurrentProfile().HitsPerPoint);

    connect(choose, &QPushButton::clicked, this, &OpenProfileDialog::ChooseFiles);
    connect(options_->FirstSamples(), &QCheckBox::toggled, this, &OpenProfileDialog::ShowSource);
    connect(options_->Interval(), &QLineEdit::textChanged, this, &OpenProfileDialog::ShowSource);
    connect(ok, &QPushButton::clicked, this, &OpenProfileDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &OpenProfileDialog::reject);
}

OpenProfileDialog::~OpenProfileDialog() = default;

void OpenProfileDialog::ChooseFiles() {
    ChooseDemoDialog chooser(this, files_, source_);
    chooser.exec();
    ShowSource();
}

void OpenProfileDialog::PresetFiles(std::vector<std::string> files) {
    source_.Files = std::move(files);
    ShowSource();
}

void OpenProfileDialog::ShowSource() {
    sourceName_->setText(QString::fromStdString(DescribeFiles(source_.Files)));
    sourceName_->setVisible(!source_.Files.empty());
    options_->Show(source_.Files, source_.Options);
}

void OpenProfileDialog::accept() {
    const int channelMode = ReadRadio(channels_);
    std::uint32_t hits = 0;
    if (!ReadField(hits_, hits)) {
        return;
    }
    if (hits < kMinHitsPerPoint || hits > kMaxHitsPerPoint) {
        const QString prompt = QStringLiteral("Please enter an integer between %1 and %2.")
                                   .arg(kMinHitsPerPoint)
                                   .arg(kMaxHitsPerPoint);
        PromptField(prompt.toStdString().c_str(), hits_);
        return;
    }
    // The load reports a hits count that does not fit the profile itself; either way the
    // dialog closes, its result telling whether a profile was loaded.
    if (!source_.Files.empty() && !options_->Read(source_.Options)) {
        return;
    }
    const bool loaded = document_.Load(
        [&](Profile& profile) { return LoadChosenProfile(profile, source_, channelMode, hits); },
        source_);
    done(loaded ? Accepted : Rejected);
}

}  // namespace karvelo
