// The second line of a refused value: the field it was typed into and what that field
// accepts, in the interface's source language (the desktop program shows them
// translated; they are translated in the context "FieldRules").
#pragma once

#include <array>
#include <string>
#include <string_view>

// Marks a text the desktop program translates; the translation tools read the marks.
#define KARVELO_TRANSLATABLE(context, text) text

namespace karvelo {

inline constexpr const char* kRulePointNumber =
    KARVELO_TRANSLATABLE("FieldRules", "Номер точки: целое число, 0 и больше");
inline constexpr const char* kRuleTraceNumber =
    KARVELO_TRANSLATABLE("FieldRules", "Номер трассы: целое число, 0 и больше");
inline constexpr const char* kRuleFMin =
    KARVELO_TRANSLATABLE("FieldRules", "fmin, Гц: целое число, 0 … fmax");
inline constexpr const char* kRuleFMax =
    KARVELO_TRANSLATABLE("FieldRules", "fmax, Гц: целое число, fmin … наибольшая частота спектра");
inline constexpr const char* kRuleBandWidth =
    KARVELO_TRANSLATABLE("FieldRules", "fmin … fmax, Гц: полоса не уже двух частот спектра");
inline constexpr const char* kRuleVelocity =
    KARVELO_TRANSLATABLE("FieldRules", "Скорость/толщина: число, например 3780, 3780,5 или 3,78e3");
inline constexpr const char* kRuleDerived = KARVELO_TRANSLATABLE(
    "FieldRules", "Скорость/толщина: число, из которого получается конечная толщина или скорость");
inline constexpr const char* kRuleCalibration = KARVELO_TRANSLATABLE(
    "FieldRules", "Скорость/толщина: толщина (флажок отмечен) точки с максимумом в списке");
inline constexpr const char* kRuleShapeFactor =
    KARVELO_TRANSLATABLE("FieldRules", "β: число, 0,5 … 1,2");
inline constexpr const char* kRuleSensorSpacing =
    KARVELO_TRANSLATABLE("FieldRules", "База датчиков, мм: число больше 0, до 10000");
inline constexpr const char* kRuleHits =
    KARVELO_TRANSLATABLE("FieldRules", "Кол-во ударов на точку: целое число, 1 … 20");

// Every rule, for the translation's completeness check.
inline constexpr std::array kFieldRules = {
    kRulePointNumber, kRuleTraceNumber,   kRuleFMin,    kRuleFMax,
    kRuleBandWidth,   kRuleVelocity,      kRuleDerived, kRuleCalibration,
    kRuleShapeFactor, kRuleSensorSpacing, kRuleHits,
};

// text without its lines that are field rules: for a front end that has no such fields.
std::string WithoutFieldRules(std::string_view text);

}  // namespace karvelo
