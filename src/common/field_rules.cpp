#include "common/field_rules.h"

#include <algorithm>

namespace karvelo {

std::string WithoutFieldRules(std::string_view text) {
    std::string kept;
    while (true) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        const bool rule =
            std::find(kFieldRules.begin(), kFieldRules.end(), line) != kFieldRules.end();
        if (!rule) {
            kept.append(kept.empty() ? "" : "\n").append(line);
        }
        if (end == std::string_view::npos) {
            return kept;
        }
        text.remove_prefix(end + 1);
    }
}

}  // namespace karvelo
