// What the report says about the tested object: structure, element, line, operator,
// instrument, test date and notes, each entered once and printed on the first page.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "common/language.h"

namespace karvelo {

struct ObjectField {
    const char* Key;           // as karvelo-cli's --meta KEY=VALUE names it
    const char* Label;         // as the report and its dialog show it
    const char* EnglishLabel;  // the same in the English interface

    const char* LabelIn(Language language) const {
        return InLanguage(language, Label, EnglishLabel);
    }
};

inline constexpr std::array<ObjectField, 7> kObjectFields{{
    {"structure", "Сооружение", "Structure"},
    {"element", "Элемент", "Element"},
    {"line", "Линия", "Line"},
    {"operator", "Оператор", "Operator"},
    {"instrument", "Прибор", "Instrument"},
    {"date", "Дата испытания", "Test date"},
    {"notes", "Примечания", "Notes"},
}};

// The values in the order of kObjectFields; empty ones are not printed.
using ObjectInfo = std::array<std::string, kObjectFields.size()>;

// Index of the field named key; none for an unknown key.
std::optional<std::size_t> ObjectFieldIndex(std::string_view key);

// Sets the field of "KEY=VALUE" in info; the reason when it is refused (no '=', an
// unknown key), empty when set.
std::string SetObjectField(ObjectInfo& info, const std::string& assignment);

}  // namespace karvelo
