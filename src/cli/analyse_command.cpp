#include "cli/analyse_command.h"

#include <iostream>
#include <optional>

#include "analysis/analysis_buffers.h"
#include "analysis/peaks.h"
#include "app/report_pdf.h"
#include "cli/exit_status.h"
#include "cli/form_fields.h"
#include "common/atomic_file.h"
#include "common/number_format.h"
#include "common/text_file.h"
#include "plot/surface.h"
#include "profile/profile_image.h"
#include "report/line_report.h"
#include "session/correlation_run.h"

namespace karvelo::cli {

namespace {

void PrintClickResult(const CliSession& cli) {
    const FormState& state = cli.session.State();
    if (cli.analysisControls.IsShown(AnalysisStatic::Frequency)) {
        std::cout << "frequency " << FormatFieldDouble(state.ClickFrequency) << '\n';
    }
    if (cli.analysisControls.IsShown(AnalysisStatic::Derived)) {
        std::cout << "derived " << FormatFieldFloat(state.DerivedValue) << '\n';
    }
    if (cli.analysisControls.IsShown(AnalysisStatic::Quality)) {
        std::cout << "quality " << FormatFieldFloat(state.QualityValue) << '\n';
    }
    if (cli.analysisControls.IsShown(AnalysisStatic::Refined)) {
        std::cout << "refined " << FormatDefault(state.RefinedFrequency) << '\n';
    }
}

// Answers the save dialog of one action with the option's file.
template <typename Action>
void SaveTo(CliSession& cli, const std::optional<std::string>& path, Action action) {
    if (path) {
        cli.chooser.path = *path;
        action();
        cli.chooser.path.reset();
    }
}

}  // namespace

void AddAnalyseOptionSpecs(std::vector<OptionSpec>& specs) {
    for (const char* name : {"point",        "trace",
                             "mode",         "view",
                             "fmin",         "fmax",
                             "velocity",     "thickness",
                             "contrast",     "png",
                             "spectrum",     "save-picks",
                             "save-quality", "tmax",
                             "values",       "beta",
                             "csv",          "calibrate-point",
                             "pdf",          "design-thickness",
                             "tolerance",    "outlier-share",
                             "window",       "zero-pad"}) {
        specs.push_back({name, true});
    }
    for (const char* name : kArrivalOptions) {
        specs.push_back({name, true});
    }
    for (const char* name : {"quality", "default-band", "full-range", "detrend"}) {
        specs.push_back({name, false});
    }
    // The mouse presses and "Ok" happen as often as they are given.
    specs.push_back({"click", true, false, true});
    specs.push_back({"pick", true, false, true});
    specs.push_back({"pick-ok", false, false, true});
    specs.push_back({"meta", true, false, true});
}

int RunAnalyse(const CliOptions& options) {
    if (!options.positionals.empty()) {
        throw UsageError{"analyse takes no arguments"};
    }
    CliSession cli;
    std::optional<LabelRenderer> labels;
    if (options.Has("png")) {
        labels.emplace(cli.surface);
    }
    CountingMessageSink messages;
    cli.session.InitialUpdate();

    // Check every option before the profile is opened, so a bad one prints nothing else.
    FormState probe;
    const bool profileMode = SetFormFields(probe, options);
    std::optional<int> contrast;
    if (options.Has("contrast")) {
        if (!profileMode) {
            throw UsageError{"--contrast needs --mode profile"};
        }
        const auto value = ParseInteger(*options.Value("contrast"), 0, 100);
        if (!value) {
            throw UsageError{"--contrast needs an integer from 0 to 100"};
        }
        contrast = static_cast<int>(*value);
    }
    for (const auto& [name, value] : options.ordered) {
        if (name == "click" || name == "pick") {
            ParsePixel(value, name);
        }
        if (name == "click" && profileMode) {
            throw UsageError{"--click is for the spectrum modes; use --pick with --mode profile"};
        }
        if ((name == "pick" || name == "pick-ok") && !profileMode) {
            throw UsageError{"--" + name + " needs --mode profile"};
        }
    }

    if (!OpenThroughSession(cli, options)) {
        return kExitNotOpened;
    }
    SetFormFields(cli.controls.widgets, options);
    if (options.Has("quality")) {
        cli.session.ToggleQualityDisplay();
    }
    if (profileMode) {
        cli.session.OnProfileSpectrum();
        if (options.Has("default-band")) {
            cli.session.OnDefaultBand();
        }
        if (contrast) {
            cli.session.OnHScroll(ScrollCode::ThumbPosition, *contrast);
        }
    } else if (options.Has("default-band")) {
        cli.session.OnDefaultBand();
    } else {
        cli.session.OnSpectrumSettings();
    }

    std::cout << "band " << cli.session.State().FMin << ' ' << cli.session.State().FMax << '\n';
    for (const std::string& line : cli.analysisControls.peakLines) {
        std::cout << "peak " << line << '\n';
    }
    for (const auto& [name, value] : options.ordered) {
        if (name == "click" || name == "pick") {
            const PixelArg at = ParsePixel(value, name);
            cli.session.OnLButtonDown(at.x, at.y);
            if (name == "click") {
                PrintClickResult(cli);
            }
        } else if (name == "pick-ok") {
            cli.session.OnPickOk();
        }
    }

    bool pngWritten = true;
    if (const auto png = options.Value("png")) {
        pngWritten = WriteSurfacePng(cli.surface, *png, std::cout);
    }
    // "S" is disabled after a profile-spectrum run or a refused band: there is no
    // one-dimensional spectrum to save.
    bool spectrumAvailable = true;
    if (options.Has("spectrum") && !cli.analysisControls.exportEnabled) {
        std::cout << "error: the spectrum export is not available after this run\n";
        spectrumAvailable = false;
    } else {
        SaveTo(cli, options.Value("spectrum"), [&] { cli.session.OnExportSpectrum(); });
    }
    SaveTo(cli, options.Value("save-picks"), [&] { cli.session.OnSavePicks(); });
    SaveTo(cli, options.Value("save-quality"), [&] { cli.session.OnQualitySave(); });
    return messages.count > 0 || !pngWritten || !spectrumAvailable ? kExitMessages : 0;
}

namespace {

void PrintCells(const std::vector<std::string>& cells) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
        std::cout << (i > 0 ? " " : "") << cells[i];
    }
    std::cout << '\n';
}

}  // namespace

namespace {

// The checks along the line and the object block from the report's own options.
LineChecks ReadLineChecks(const CliOptions& options) {
    LineChecks checks;
    if (const auto design = options.Value("design-thickness")) {
        if (!options.Has("velocity") && !options.Has("calibrate-point")) {
            throw UsageError{
                "--design-thickness needs a velocity (--velocity or --calibrate-point)"};
        }
        const auto thickness = ParseReal(*design);
        if (!thickness || !(*thickness > 0.0)) {
            throw UsageError{"--design-thickness needs a thickness in mm above 0"};
        }
        const auto tolerance = options.Value("tolerance");
        if (!tolerance) {
            throw UsageError{"--design-thickness needs --tolerance MM"};
        }
        const auto limit = ParseReal(*tolerance);
        if (!limit || *limit < 0.0) {
            throw UsageError{"--tolerance needs a tolerance in mm, 0 or more"};
        }
        checks.Design = DesignTolerance{*thickness, *limit};
    } else if (options.Has("tolerance")) {
        throw UsageError{"--tolerance needs --design-thickness MM"};
    }
    if (const auto share = options.Value("outlier-share")) {
        const auto value = ParseShare(*share);
        if (!value) {
            throw UsageError{"--outlier-share needs a share above 0 and below 1 (0.1 or 10%)"};
        }
        checks.OutlierShare = *value;
    }
    return checks;
}

ObjectInfo ReadObjectInfo(const CliOptions& options) {
    ObjectInfo info;
    for (const std::string& assignment : options.Values("meta")) {
        const std::string refusal = SetObjectField(info, assignment);
        if (!refusal.empty()) {
            throw UsageError{"--meta: " + refusal};
        }
    }
    return info;
}

void PrintSummary(const LineReport& report) {
    const ReportSummary summary = report.Summary();
    const SummaryContext context{summary, report.Settings, report.Origin, report.Checks};
    std::cout << '\n';
    for (const auto& [name, value] : SummaryEntries(context, false)) {
        std::cout << name << ' ' << value << '\n';
    }
}

}  // namespace

int RunReport(const CliOptions& options) {
    if (!options.positionals.empty()) {
        throw UsageError{"report takes no arguments"};
    }
    CliSession cli;
    CountingMessageSink messages;
    FormState probe;
    if (SetFormFields(probe, options)) {
        throw UsageError{"report needs a spectrum mode with a list of maxima (not profile)"};
    }
    std::optional<std::uint32_t> calibrationPoint;
    if (const auto point = options.Value("calibrate-point")) {
        if (!options.Has("thickness")) {
            throw UsageError{"--calibrate-point needs --thickness H, the thickness at that point"};
        }
        const auto value = ParseInteger(*point, 0, UINT32_MAX);
        if (!value) {
            throw UsageError{"--calibrate-point needs a point number, 0-based"};
        }
        calibrationPoint = static_cast<std::uint32_t>(*value);
    }
    const LineChecks checks = ReadLineChecks(options);
    const ObjectInfo object = ReadObjectInfo(options);
    cli.session.InitialUpdate();
    if (!OpenThroughSession(cli, options)) {
        return kExitNotOpened;
    }
    SetFormFields(cli.controls.widgets, options);
    if (options.Has("default-band")) {
        cli.session.OnDefaultBand();
    }
    if (calibrationPoint) {
        const std::uint32_t points = cli.document.CurrentProfile().PointCount;
        if (*calibrationPoint >= points) {
            throw UsageError{"--calibrate-point: the profile has " + std::to_string(points) +
                             " points, numbered from 0"};
        }
        cli.controls.widgets.PointNumber = *calibrationPoint;
        const std::optional<double> velocity = cli.session.OnCalibrateVelocity();
        if (!velocity) {
            return kExitMessages;
        }
        std::cout << "calibration point " << *calibrationPoint << " thickness "
                  << *options.Value("thickness") << " velocity " << FormatDefault(*velocity)
                  << '\n';
    }
    // The run reads the form first; the settings are those it ran with.
    std::vector<PointReport> rows = cli.session.ProfileReport();
    if (cli.session.CurrentReportSettings().ArrivalVelocity != ArrivalVelocityUse::Off &&
        !HoldsTwoChannels(cli.document.CurrentProfile())) {
        std::cerr << "note: the profile holds one channel a hit: no velocity from the arrivals "
                     "at two sensors (open both channels of two-channel recordings)\n";
    }
    LineReport report =
        MakeLineReport(std::move(rows), cli.session.CurrentReportSettings(), checks);
    report.Object = object;
    if (calibrationPoint) {
        report.Origin.Source = VelocitySource::Calibrated;
        report.Origin.Point = *calibrationPoint;
        report.Origin.Thickness = *ParseReal(*options.Value("thickness"));
    }
    const ReportTableForm form = report.TableForm(false);
    PrintCells(ReportColumns(form));
    for (const PointReport& row : report.Rows) {
        PrintCells(ReportCells(row, form, "-"));
    }
    PrintSummary(report);
    bool written = true;
    if (const auto csv = options.Value("csv")) {
        written = WriteReportCsv(*csv, report.Rows, form);
        if (!written) {
            std::cout << "error: cannot write " << WriteFailure(*csv) << '\n';
        }
    }
    if (const auto pdf = options.Value("pdf")) {
        const LabelRenderer application(cli.surface);
        if (!WriteReportPdf(*pdf, ComposeReport(cli.session, report))) {
            std::cout << "error: cannot write " << WriteFailure(*pdf) << '\n';
            written = false;
        }
    }
    return messages.count > 0 || !written ? kExitMessages : 0;
}

int RunCorrelate(const CliOptions& options) {
    if (options.positionals.size() != 4) {
        throw UsageError{"correlate needs P1 T1 P2 T2"};
    }
    CorrelationFields fields;
    std::int32_t* targets[] = {&fields.Signal1Point, &fields.Signal1Trace, &fields.Signal2Point,
                               &fields.Signal2Trace};
    for (std::size_t i = 0; i < 4; ++i) {
        const auto value = ParseInteger(options.positionals[i], INT32_MIN, INT32_MAX);
        if (!value) {
            throw UsageError{"correlate: '" + options.positionals[i] + "' is not an integer"};
        }
        *targets[i] = static_cast<std::int32_t>(*value);
    }
    if (options.Has("tmax") == options.Has("full-range")) {
        throw UsageError{"correlate needs either --tmax T or --full-range"};
    }
    if (options.Has("tmax")) {
        const auto tmax = ParseReal(*options.Value("tmax"));
        if (!tmax) {
            throw UsageError{"--tmax needs a number of microseconds"};
        }
        fields.TMax = static_cast<float>(*tmax);
    }
    fields.FullRange = options.Has("full-range") ? 1 : 0;

    CliSession cli;
    Surface dialogSurface;
    std::optional<LabelRenderer> labels;
    if (options.Has("png")) {
        labels.emplace(dialogSurface);
    }
    CountingMessageSink messages;
    if (!OpenThroughSession(cli, options)) {
        return kExitNotOpened;
    }
    if (!cli.session.CorrelationAvailable()) {
        return kExitMessages;
    }
    const CorrelationCurve curve =
        RunCorrelation(cli.document.CurrentProfile(), fields, dialogSurface);
    if (!curve.Values.empty()) {
        std::size_t best = 0;
        for (std::size_t k = 1; k < curve.Values.size(); ++k) {
            if (curve.Values[k] > curve.Values[best]) {
                best = k;
            }
        }
        std::cout << "lags " << curve.Values.size() << '\n'
                  << "largest " << FormatDefault(curve.Values[best]) << " at "
                  << curve.LagTimes[best] << '\n';
    }
    bool filesWritten = true;
    if (const auto path = options.Value("values")) {
        const bool written = WriteTextFile(*path, [&curve](std::ostream& out) {
            for (std::size_t k = 0; k < curve.Values.size(); ++k) {
                out << curve.LagTimes[k] << "  " << FormatDefault(curve.Values[k]) << '\n';
            }
        });
        if (!written) {
            std::cout << "error: cannot write " << WriteFailure(*path) << '\n';
            filesWritten = false;
        }
    }
    if (const auto png = options.Value("png")) {
        filesWritten = WriteSurfacePng(dialogSurface, *png, std::cout) && filesWritten;
    }
    return messages.count > 0 || !filesWritten ? kExitMessages : 0;
}

}  // namespace karvelo::cli
