#include "cli/grid_command.h"

#include <chrono>
#include <iostream>
#include <optional>

#include "app/survey_pdf.h"
#include "cli/cli_session.h"
#include "cli/exit_status.h"
#include "cli/form_fields.h"
#include "cli/grid_classes.h"
#include "cli/open_options.h"
#include "common/atomic_file.h"
#include "common/number_format.h"
#include "plot/survey_map.h"
#include "profile/file_sources.h"
#include "profile/profile_loader.h"
#include "report/survey_classes.h"
#include "report/survey_grid.h"
#include "session/survey_run.h"

namespace karvelo::cli {

namespace {

// Progress goes to standard error once a grid takes longer than this, then this often.
constexpr std::chrono::milliseconds kQuietTime{1000};
constexpr std::chrono::milliseconds kProgressStep{500};

struct ValueRange {
    double Low = 0.0;
    double High = 0.0;
};

// "A,B" as two numbers; ordered asks for A below B.
std::optional<ValueRange> ParseRange(const std::string& text, bool ordered = true) {
    const std::size_t comma = text.find(',');
    if (comma == std::string::npos) {
        return std::nullopt;
    }
    const auto low = ParseReal(text.substr(0, comma));
    const auto high = ParseReal(text.substr(comma + 1));
    if (!low || !high || (ordered && !(*low < *high))) {
        return std::nullopt;
    }
    return ValueRange{*low, *high};
}

void PrintGrid(const SurveyGrid& grid) {
    std::cout << "row";
    for (const std::uint32_t column : grid.Columns) {
        std::cout << ' ' << column;
    }
    std::cout << '\n';
    for (std::size_t r = 0; r < grid.Rows.size(); ++r) {
        std::cout << grid.Rows[r];
        for (std::size_t c = 0; c < grid.Columns.size(); ++c) {
            const SurveyCell& cell = grid.At(r, c);
            std::cout << ' ' << (cell.Present ? FormatDefault(cell.Value) : std::string("-"));
        }
        std::cout << '\n';
    }
}

}  // namespace

void AddGridOptionSpecs(std::vector<OptionSpec>& specs) {
    for (const char* name : {"name-pattern", "range", "spacing"}) {
        specs.push_back({name, true});
    }
    specs.push_back({"annotate", false});
    AddGridClassOptionSpecs(specs);
}

int RunGrid(const CliOptions& options) {
    if (!options.positionals.empty()) {
        throw UsageError{"grid takes no arguments"};
    }
    const std::vector<std::string> files = options.Values("files");
    if (files.empty()) {
        throw UsageError{"grid needs --files"};
    }
    const std::string pattern = options.Value("name-pattern").value_or(kDefaultGridNamePattern);
    if (!IsGridNamePattern(pattern)) {
        throw UsageError{"--name-pattern needs a regular expression with two groups: row, column"};
    }
    FormState probe;
    if (SetFormFields(probe, options)) {
        throw UsageError{"grid needs a spectrum mode with a list of maxima (not profile)"};
    }
    std::optional<SurveySpacing> spacing;
    if (const auto text = options.Value("spacing")) {
        const auto pair = ParseRange(*text, false);
        if (!pair || !(pair->Low > 0.0) || !(pair->High > 0.0)) {
            throw UsageError{"--spacing needs ROW_M,COL_M, both above 0 (metres)"};
        }
        spacing = SurveySpacing{pair->Low, pair->High};
    }
    std::optional<ValueRange> range;
    if (const auto text = options.Value("range")) {
        range = ParseRange(*text);
        if (!range) {
            throw UsageError{"--range needs LOW,HIGH with LOW below HIGH"};
        }
    }
    std::optional<std::uint32_t> wantedHits;
    if (const auto text = options.Value("hits")) {
        const auto value = ParseInteger(*text, kMinHitsPerPoint, kMaxHitsPerPoint);
        if (!value) {
            throw UsageError{"--hits needs an integer from 1 to 20"};
        }
        wantedHits = static_cast<std::uint32_t>(*value);
    }
    const int channelMode = ChannelModeOption(options);
    const std::optional<ConditionDesign> design = ReadConditionDesign(options, probe.ShapeFactor);

    const GridGrouping grouping = GroupByPosition(files, pattern);
    if (!grouping.Refusal.empty()) {
        std::cerr << ErrorText(kErrCannotReadFile, true) << '\n' << grouping.Refusal << '\n';
        return kExitNotOpened;
    }
    for (const GridPosition& position : grouping.Positions) {
        if (wantedHits && position.Files.size() != *wantedHits) {
            std::cerr << ErrorText(kErrInvalidHits, true) << '\n'
                      << position.Row << '-' << position.Column << ": " << position.Files.size()
                      << " files, not the " << *wantedHits << " hits of --hits\n";
            return kExitNotOpened;
        }
    }

    CliSession cli;
    // Every message of the survey (a refused file, a refused band) goes to standard
    // error, as an open's refusal does, and counts.
    struct CountingErrorSink : MessageSink {
        int count = 0;
        void Show(const std::string& text) override {
            ++count;
            std::cerr << text << '\n';
        }
    } messages;
    const ScopedMessageSink messageScope(&messages);
    cli.session.InitialUpdate();
    SetFormFields(cli.controls.widgets, options);
    if (design && !options.Has("fmin") && !options.Has("fmax")) {
        const ClassBand band = ConditionBand(*design);
        cli.controls.widgets.FMin = band.FMin;
        cli.controls.widgets.FMax = band.FMax;
        std::cout << "band_hz " << band.FMin << ' ' << band.FMax << '\n';
    }
    const auto start = std::chrono::steady_clock::now();
    auto nextReport = start + kQuietTime;
    const auto progress = [&nextReport](std::size_t done, std::size_t total) {
        const auto now = std::chrono::steady_clock::now();
        if (now >= nextReport) {
            std::cerr << "grid: " << done << " of " << total << " points\n";
            nextReport = now + kProgressStep;
        }
        return true;
    };
    const bool derived = options.Has("velocity") || options.Has("thickness");
    SurveySettings survey = FormSurveySettings(
        cli.session, channelMode, derived ? SurveyValue::Result : SurveyValue::Frequency);
    survey.Options = SourceOptionsOf(options);
    std::vector<std::optional<PositionPeaks>> peaks;
    const std::optional<std::vector<std::optional<double>>> values =
        RunSurvey(survey, grouping.Positions, progress, design ? &peaks : nullptr);
    if (!values) {
        return kExitNotOpened;
    }
    // What the fit did, once for the survey (every position's files are read alike).
    const std::string note = grouping.Positions.empty()
                                 ? std::string()
                                 : PreviewFiles(grouping.Positions.front().Files, survey.Options);
    if (!note.empty()) {
        std::cerr << note << '\n';
    }
    const SurveyGrid grid = LayOutGrid(grouping.Positions, *values, design ? &peaks : nullptr);
    PrintGrid(grid);
    const std::vector<std::optional<ConditionClass>> classes =
        design ? ClassifyGrid(grid, *design) : std::vector<std::optional<ConditionClass>>();
    if (design) {
        PrintConditionTable(grid, classes, *design);
    }

    bool written = true;
    if (const auto csv = options.Value("csv")) {
        if (!(design ? WriteSurveyClassCsv(*csv, grid, classes) : WriteSurveyCsv(*csv, grid))) {
            std::cout << "error: cannot write " << WriteFailure(*csv) << '\n';
            written = false;
        }
    }
    const std::string caption = SurveyValueCaption(derived, options.Has("thickness"));
    SurveyMapStyle style = DataRangeStyle(grid, caption);
    if (range) {
        style.Low = range->Low;
        style.High = range->High;
    }
    style.Annotate = options.Has("annotate");
    if (const auto png = options.Value("png")) {
        const SurveyGeometry geometry = LayOutSurveyMap(grid, spacing);
        Surface map(SurveyMapWidth(geometry), SurveyMapHeight(geometry));
        const LabelRenderer labels(map);
        DrawSurveyMap(map, grid, style, geometry);
        written = WriteSurfacePng(map, *png, std::cout) && written;
        if (design) {
            written = WriteConditionPng(ConditionPngPath(*png), grid, classes, *design, spacing) &&
                      written;
        }
    }
    if (const auto pdf = options.Value("pdf")) {
        Surface scratch;
        const LabelRenderer application(scratch);
        if (!WriteSurveyPdf(*pdf, ComposeSurveyPage(grid, style, spacing, files))) {
            std::cout << "error: cannot write " << WriteFailure(*pdf) << '\n';
            written = false;
        }
    }
    return messages.count > 0 || !written ? kExitMessages : 0;
}

}  // namespace karvelo::cli
