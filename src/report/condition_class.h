// The condition of a plate at a test position from its spectrum: the dominant frequency
// against the thickness frequency of the design thickness, and whether another strong
// maximum shares the spectrum.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "common/language.h"

namespace karvelo {

enum class ConditionClass {
    Good,     // the thickness frequency dominates alone
    Fair,     // it shares the spectrum with another strong maximum, or the peak is low
    Poor,     // the dominant frequency lies above it: a reflector above the bottom
    Serious,  // far below it: a flexural response over a shallow delamination
};
inline constexpr std::size_t kConditionClasses = 4;
inline constexpr std::array<ConditionClass, kConditionClasses> kAllConditions = {
    ConditionClass::Good, ConditionClass::Fair, ConditionClass::Poor, ConditionClass::Serious};

// Every threshold is a share of the thickness frequency f_T = beta Cp / (2 T), except
// SecondShare, a share of the dominant maximum's amplitude.
struct ConditionThresholds {
    double Near = 0.10;     // |f - f_T| <= Near f_T: the thickness frequency
    double FairLow = 0.60;  // f from FairLow f_T up to FairHigh f_T: fair
    double FairHigh = 0.90;
    double PoorAbove = 1.10;    // f above PoorAbove f_T: poor
    double SecondShare = 0.50;  // a second maximum of at least this share is strong
};

// None when the thresholds are ordered (0 < Near < 1, 0 < FairLow < FairHigh <= 1,
// PoorAbove >= 1, 0 < SecondShare <= 1); otherwise the rule they break, in words.
std::optional<std::string> ThresholdsRefusal(const ConditionThresholds& thresholds);

// The design a survey is classified against.
struct ConditionDesign {
    double Thickness = 0.0;  // m
    double Velocity = 0.0;   // Cp, m/s
    double Beta = 0.96;
    ConditionThresholds Thresholds;

    // f_T = beta Cp / (2 T), Hz.
    double ThicknessFrequency() const { return Beta * Velocity / (2.0 * Thickness); }
};

// The band a classified survey searches when none is given: from a quarter of f_T (a
// flexural mode over a shallow delamination lies above it) to 2.5 f_T, rounded to Hz.
struct ClassBand {
    int FMin = 0;
    int FMax = 0;
};
ClassBand ConditionBand(const ConditionDesign& design);

// A maximum listed in a position's band: its frequency (Hz) and its amplitude, as a
// share of the spectrum's largest value.
struct ListedMaximum {
    double Frequency = 0.0;
    double Amplitude = 0.0;
};

// What a position's spectrum says about its condition: its refined dominant frequency
// and every maximum listed in its band (the dominant among them).
struct PositionPeaks {
    double Dominant = 0.0;
    std::vector<ListedMaximum> Maxima;
};

// The class of a position; with f its dominant frequency and a maximum strong when at
// least SecondShare of the strongest:
//  - |f - f_T| <= Near f_T: good, or fair when a strong maximum lies farther than Near f_T
//    from f (one nearer is the same peak's shoulder);
//  - f below FairLow f_T: serious, whatever else the spectrum holds;
//  - f above PoorAbove f_T: poor, or fair when a strong maximum lies within Near f_T of
//    f_T (the bottom still answers beside the stronger shallow reflector);
//  - any other f (FairLow to FairHigh, and the gaps edited thresholds leave between
//    FairHigh and 1 - Near or 1 + Near and PoorAbove): fair.
ConditionClass ClassifyPosition(const PositionPeaks& peaks, const ConditionDesign& design);

// "хорошее", "удовл.", "плохое", "аварийное" (good, fair, poor, serious in English), and
// the English word files carry whatever the interface language.
const char* ConditionName(ConditionClass condition, Language language);
const char* ConditionKey(ConditionClass condition);

// What each class means under thresholds, for a legend: "|f − f_T| ≤ 10 % f_T, без
// второго пика ≥ 50 %" and so on.
std::string ConditionRule(ConditionClass condition, const ConditionThresholds& thresholds,
                          Language language);

// How many positions fall in each class, and how many have a class at all.
struct ConditionCounts {
    std::array<std::size_t, kConditionClasses> Count{};
    std::size_t Classified = 0;
    // Share of the classified positions in a class, 0 .. 1 (0 when none is classified).
    double Share(ConditionClass condition) const;
};
ConditionCounts CountConditions(const std::vector<std::optional<ConditionClass>>& classes);

}  // namespace karvelo
