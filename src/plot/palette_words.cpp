#include "plot/palette_words.h"

#include <array>
#include <vector>

#include "plot/palette.h"
#include "plot/surface.h"

namespace karvelo {

std::span<const std::uint32_t> PaletteWords(int palette) {
    // Palettes 1 to 4 and, at 0, what an unknown palette gives.
    static const auto tables = [] {
        std::array<std::vector<std::uint32_t>, 5> words;
        for (int p = 0; p < static_cast<int>(words.size()); ++p) {
            for (const Colour colour : PaletteTable(p)) {
                words[static_cast<std::size_t>(p)].push_back(Surface::ToRgb32(colour));
            }
        }
        return words;
    }();
    const bool known = palette >= 1 && palette < static_cast<int>(tables.size());
    return tables[known ? static_cast<std::size_t>(palette) : 0];
}

}  // namespace karvelo
