// Condition classes of a position from its dominant frequency and listed maxima, against
// f_T = beta Cp / (2 T) = 9600 Hz (200 mm, 4000 m/s, 0.96), the gaps included.
#include <gtest/gtest.h>

#include <vector>

#include "report/condition_class.h"

namespace karvelo {
namespace {

constexpr double kFt = 9600.0;

ConditionDesign Design(ConditionThresholds thresholds = {}) {
    return {0.2, 4000.0, 0.96, thresholds};
}

// A position whose dominant maximum (amplitude 1) lies at f, with further maxima.
PositionPeaks Peaks(double f, std::vector<ListedMaximum> others = {}) {
    others.push_back({f, 1.0});
    return {f, others};
}

TEST(ConditionClass, EachRuleAndGapGivesItsClass) {
    EXPECT_DOUBLE_EQ(Design().ThicknessFrequency(), kFt);
    const struct {
        const char* what;
        PositionPeaks peaks;
        ConditionClass expected;
    } cases[] = {
        {"f_T alone", Peaks(kFt), ConditionClass::Good},
        {"10 % off f_T", Peaks(1.1 * kFt - 1.0), ConditionClass::Good},
        {"a weak second peak", Peaks(kFt, {{1.5 * kFt, 0.49}}), ConditionClass::Good},
        {"a strong shoulder of the same peak", Peaks(kFt, {{1.05 * kFt, 0.9}}),
         ConditionClass::Good},
        {"f_T with a strong second peak", Peaks(kFt, {{1.5 * kFt, 0.5}}), ConditionClass::Fair},
        {"f_T with a strong low second peak", Peaks(0.95 * kFt, {{0.4 * kFt, 0.8}}),
         ConditionClass::Fair},
        {"a low peak", Peaks(0.75 * kFt), ConditionClass::Fair},
        {"the fair range's low end", Peaks(0.6 * kFt), ConditionClass::Fair},
        {"just above f_T's share", Peaks(1.1 * kFt + 1.0), ConditionClass::Poor},
        {"a shallow reflector", Peaks(1.3 * kFt), ConditionClass::Poor},
        {"a shallow reflector with f_T beside it", Peaks(1.3 * kFt, {{kFt, 0.6}}),
         ConditionClass::Fair},
        {"a shallow reflector with a weak f_T", Peaks(1.3 * kFt, {{kFt, 0.3}}),
         ConditionClass::Poor},
        {"a flexural mode", Peaks(0.4 * kFt), ConditionClass::Serious},
        {"a flexural mode over a strong f_T", Peaks(0.4 * kFt, {{kFt, 0.9}}),
         ConditionClass::Serious},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ClassifyPosition(c.peaks, Design()), c.expected) << c.what;
    }
    // Thresholds as edited: a narrow share around f_T leaves gaps that count as fair.
    ConditionThresholds narrow;
    narrow.Near = 0.05;
    narrow.SecondShare = 0.3;
    const struct {
        double f;
        std::vector<ListedMaximum> others;
        ConditionClass expected;
    } edited[] = {
        {0.93 * kFt, {}, ConditionClass::Fair}, {1.07 * kFt, {}, ConditionClass::Fair},
        {1.04 * kFt, {}, ConditionClass::Good}, {kFt, {{1.5 * kFt, 0.35}}, ConditionClass::Fair},
        {1.11 * kFt, {}, ConditionClass::Poor},
    };
    for (const auto& c : edited) {
        EXPECT_EQ(ClassifyPosition(Peaks(c.f, c.others), Design(narrow)), c.expected) << c.f;
    }
}

TEST(ConditionClass, ThresholdsOutOfOrderAreRefusedAndSharesCount) {
    const auto with = [](auto change) {
        ConditionThresholds t;
        change(t);
        return ThresholdsRefusal(t).has_value();
    };
    EXPECT_FALSE(with([](ConditionThresholds&) {}));
    EXPECT_TRUE(with([](ConditionThresholds& t) { t.Near = 0.0; }));
    EXPECT_TRUE(with([](ConditionThresholds& t) { t.FairLow = 0.95; }));
    EXPECT_TRUE(with([](ConditionThresholds& t) { t.FairHigh = 1.2; }));
    EXPECT_TRUE(with([](ConditionThresholds& t) { t.PoorAbove = 0.9; }));
    EXPECT_TRUE(with([](ConditionThresholds& t) { t.SecondShare = 1.5; }));

    const ConditionCounts counts =
        CountConditions({ConditionClass::Good, std::nullopt, ConditionClass::Good,
                         ConditionClass::Serious, ConditionClass::Fair});
    EXPECT_EQ(counts.Classified, 4u);
    EXPECT_EQ(counts.Count[0], 2u);
    EXPECT_DOUBLE_EQ(counts.Share(ConditionClass::Good), 0.5);
    EXPECT_DOUBLE_EQ(counts.Share(ConditionClass::Poor), 0.0);
    EXPECT_DOUBLE_EQ(counts.Share(ConditionClass::Serious), 0.25);
}

}  // namespace
}  // namespace karvelo
