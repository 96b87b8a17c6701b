#include "cli/grid_classes.h"

#include <iostream>

#include "cli/cli_session.h"
#include "common/number_format.h"
#include "plot/condition_map.h"
#include "report/report_numbers.h"

namespace karvelo::cli {

namespace {

constexpr double kMillimetresPerMetre = 1000.0;

double ShareOption(const CliOptions& options, const char* name, double fallback, bool whole) {
    const auto text = options.Value(name);
    if (!text) {
        return fallback;
    }
    const auto share = ParseShare(*text, whole);
    if (!share) {
        throw UsageError{std::string("--") + name + " needs a share above 0 and " +
                         (whole ? "at most" : "below") + " 1 (0.1 or 10%)"};
    }
    return *share;
}

double PositiveOption(const CliOptions& options, const char* name, double fallback,
                      const char* what) {
    const auto text = options.Value(name);
    if (!text) {
        return fallback;
    }
    const auto value = ParseReal(*text);
    if (!value || !(*value > 0.0)) {
        throw UsageError{std::string("--") + name + " needs " + what};
    }
    return *value;
}

}  // namespace

void AddGridClassOptionSpecs(std::vector<OptionSpec>& specs) {
    for (const char* name : {"class-near", "class-fair", "class-poor", "second-peak"}) {
        specs.push_back({name, true});
    }
    specs.push_back({"classes", false});
}

std::optional<ConditionDesign> ReadConditionDesign(const CliOptions& options, double beta) {
    if (!options.Has("classes")) {
        for (const char* name :
             {"design-thickness", "class-near", "class-fair", "class-poor", "second-peak"}) {
            if (options.Has(name)) {
                throw UsageError{std::string("--") + name + " needs --classes"};
            }
        }
        return std::nullopt;
    }
    if (!options.Has("design-thickness") || !options.Has("velocity")) {
        throw UsageError{"--classes needs --design-thickness MM and --velocity V"};
    }
    ConditionDesign design;
    design.Thickness =
        PositiveOption(options, "design-thickness", 0.0, "a thickness in mm above 0") /
        kMillimetresPerMetre;
    design.Velocity = PositiveOption(options, "velocity", 0.0, "a velocity above 0");
    design.Beta = beta;
    ConditionThresholds& t = design.Thresholds;
    t.Near = ShareOption(options, "class-near", t.Near, false);
    t.SecondShare = ShareOption(options, "second-peak", t.SecondShare, true);
    t.PoorAbove =
        PositiveOption(options, "class-poor", t.PoorAbove, "a multiple of f_T, 1 or more");
    if (const auto text = options.Value("class-fair")) {
        const std::size_t comma = text->find(',');
        const auto low =
            comma == std::string::npos ? std::nullopt : ParseReal(text->substr(0, comma));
        const auto high =
            comma == std::string::npos ? std::nullopt : ParseReal(text->substr(comma + 1));
        if (!low || !high) {
            throw UsageError{"--class-fair needs LOW,HIGH as multiples of f_T (0.6,0.9)"};
        }
        t.FairLow = *low;
        t.FairHigh = *high;
    }
    if (const auto refusal = ThresholdsRefusal(t)) {
        throw UsageError{"class thresholds: " + *refusal};
    }
    return design;
}

void PrintConditionTable(const SurveyGrid& grid,
                         const std::vector<std::optional<ConditionClass>>& classes,
                         const ConditionDesign& design) {
    const ConditionCounts counts = CountConditions(classes);
    std::size_t positions = 0;
    for (const SurveyCell& cell : grid.Cells) {
        positions += cell.Position ? 1 : 0;
    }
    std::cout << "f_t_hz " << FormatFixed(design.ThicknessFrequency(), 1) << '\n'
              << "class count share\n";
    for (const ConditionClass condition : kAllConditions) {
        std::cout << ConditionKey(condition) << ' '
                  << counts.Count[static_cast<std::size_t>(condition)] << ' '
                  << FormatFixed(counts.Share(condition) * 100.0, 1) << "%\n";
    }
    std::cout << "no_result " << positions - counts.Classified << '\n';
}

std::string ConditionPngPath(const std::string& valuePng) {
    const std::string extension = ".png";
    const bool hasExtension =
        valuePng.size() > extension.size() &&
        valuePng.compare(valuePng.size() - extension.size(), extension.size(), extension) == 0;
    return (hasExtension ? valuePng.substr(0, valuePng.size() - extension.size()) : valuePng) +
           "-classes.png";
}

bool WriteConditionPng(const std::string& path, const SurveyGrid& grid,
                       const std::vector<std::optional<ConditionClass>>& classes,
                       const ConditionDesign& design, const std::optional<SurveySpacing>& spacing) {
    const SurveyGeometry geometry = LayOutSurveyMap(grid, spacing);
    Surface map(ConditionMapWidth(geometry), ConditionMapHeight(geometry));
    const LabelRenderer labels(map);
    DrawConditionMap(map, grid, classes, design, geometry, Language::Russian);
    return WriteSurfacePng(map, path, std::cout);
}

}  // namespace karvelo::cli
