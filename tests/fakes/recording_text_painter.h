// Test fake: records every text drawn on a surface, with its top-left corner.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "plot/text_painter.h"

namespace karvelo::testing {

struct RecordedText {
    int x = 0;
    int y = 0;
    std::string text;
    friend bool operator==(const RecordedText&, const RecordedText&) = default;
};

class RecordingTextPainter : public TextPainter {
  public:
    void DrawText(int x, int y, std::string_view text) override {
        texts.push_back({x, y, std::string(text)});
    }

    // The last text drawn with its corner at (x, y), if any.
    std::optional<std::string> TextAt(int x, int y) const {
        for (auto it = texts.rbegin(); it != texts.rend(); ++it) {
            if (it->x == x && it->y == y) {
                return it->text;
            }
        }
        return std::nullopt;
    }

    // Every text drawn with its corner on row y, in drawing order.
    std::vector<RecordedText> TextsOnRow(int y) const {
        std::vector<RecordedText> row;
        for (const RecordedText& text : texts) {
            if (text.y == y) {
                row.push_back(text);
            }
        }
        return row;
    }

    std::vector<RecordedText> texts;
};

}  // namespace karvelo::testing
