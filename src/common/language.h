// The language of the interface, as the parts without Qt need to know it: the captions
// drawn into the plots, the report's words and the window title follow it.
#pragma once

#include <cstdint>

namespace karvelo {

enum class Language : std::uint8_t {
    Russian,  // the interface as it first starts
    English,
};

// The text of language among its Russian and English wordings.
constexpr const char* InLanguage(Language language, const char* russian, const char* english) {
    return language == Language::English ? english : russian;
}

}  // namespace karvelo
