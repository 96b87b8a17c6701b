#include "report/condition_class.h"

#include <algorithm>
#include <cmath>

#include "common/number_format.h"

namespace karvelo {

namespace {

std::string Percent(double share) {
    return FormatText("%.0f", share * 100.0) + " %";
}

}  // namespace

std::optional<std::string> ThresholdsRefusal(const ConditionThresholds& t) {
    if (!(t.Near > 0.0 && t.Near < 1.0)) {
        return "the share around f_T must lie above 0 and below 1";
    }
    if (!(t.FairLow > 0.0 && t.FairLow < t.FairHigh && t.FairHigh <= 1.0)) {
        return "the fair range must rise from above 0 to at most f_T";
    }
    if (!(t.PoorAbove >= 1.0)) {
        return "the poor limit must lie at or above f_T";
    }
    if (!(t.SecondShare > 0.0 && t.SecondShare <= 1.0)) {
        return "the second-peak share must lie above 0 and at most 1";
    }
    return std::nullopt;
}

ClassBand ConditionBand(const ConditionDesign& design) {
    constexpr double kLowest = 0.25;
    constexpr double kHighest = 2.5;
    const double fT = design.ThicknessFrequency();
    return {static_cast<int>(std::lround(kLowest * fT)),
            static_cast<int>(std::lround(kHighest * fT))};
}

ConditionClass ClassifyPosition(const PositionPeaks& peaks, const ConditionDesign& design) {
    const ConditionThresholds& t = design.Thresholds;
    const double f = peaks.Dominant;
    const double fT = design.ThicknessFrequency();
    const double near = t.Near * fT;
    double strongest = 0.0;
    for (const ListedMaximum& maximum : peaks.Maxima) {
        strongest = std::max(strongest, maximum.Amplitude);
    }
    // A strong maximum apart from the dominant one, and whether one lies at f_T.
    bool strongSecond = false;
    bool secondAtThickness = false;
    for (const ListedMaximum& maximum : peaks.Maxima) {
        if (maximum.Amplitude >= t.SecondShare * strongest &&
            std::abs(maximum.Frequency - f) > near) {
            strongSecond = true;
            secondAtThickness = secondAtThickness || std::abs(maximum.Frequency - fT) <= near;
        }
    }
    if (std::abs(f - fT) <= near) {
        return strongSecond ? ConditionClass::Fair : ConditionClass::Good;
    }
    if (f < t.FairLow * fT) {
        return ConditionClass::Serious;
    }
    if (f > t.PoorAbove * fT) {
        return secondAtThickness ? ConditionClass::Fair : ConditionClass::Poor;
    }
    return ConditionClass::Fair;
}

const char* ConditionName(ConditionClass condition, Language language) {
    switch (condition) {
        case ConditionClass::Good:
            return InLanguage(language, "хорошее", "good");
        case ConditionClass::Fair:
            return InLanguage(language, "удовл.", "fair");
        case ConditionClass::Poor:
            return InLanguage(language, "плохое", "poor");
        default:
            return InLanguage(language, "аварийное", "serious");
    }
}

const char* ConditionKey(ConditionClass condition) {
    return ConditionName(condition, Language::English);
}

std::string ConditionRule(ConditionClass condition, const ConditionThresholds& t,
                          Language language) {
    const std::string second =
        InLanguage(language, "второй пик ≥ ", "a second peak ≥ ") + Percent(t.SecondShare);
    switch (condition) {
        case ConditionClass::Good:
            return "|f − f_T| ≤ " + Percent(t.Near) + " f_T, " +
                   InLanguage(language, "нет второго пика ≥ ", "no second peak ≥ ") +
                   Percent(t.SecondShare);
        case ConditionClass::Fair:
            return InLanguage(language, "у f_T и ", "at f_T and ") + second +
                   InLanguage(language, ", или f = ", ", or f = ") + FormatDefault(t.FairLow) +
                   "…" + FormatDefault(t.FairHigh) + " f_T";
        case ConditionClass::Poor:
            return "f > " + FormatDefault(t.PoorAbove) + " f_T";
        default:
            return "f < " + FormatDefault(t.FairLow) + " f_T";
    }
}

double ConditionCounts::Share(ConditionClass condition) const {
    return Classified == 0 ? 0.0
                           : static_cast<double>(Count[static_cast<std::size_t>(condition)]) /
                                 static_cast<double>(Classified);
}

ConditionCounts CountConditions(const std::vector<std::optional<ConditionClass>>& classes) {
    ConditionCounts counts;
    for (const std::optional<ConditionClass>& condition : classes) {
        if (condition) {
            ++counts.Count[static_cast<std::size_t>(*condition)];
            ++counts.Classified;
        }
    }
    return counts;
}

}  // namespace karvelo
