// The language of the interface, as the parts without Qt need to know it: the captions
// drawn into the plots follow it.
#pragma once

#include <cstdint>

namespace karvelo {

enum class Language : std::uint8_t {
    Russian,  // the interface as it first starts
    English,
};

}  // namespace karvelo
