// The off-screen drawing surface every plot and mark is drawn into.
//
// Pixels are 32-bit words laid out as QImage::Format_RGB32 (0xFFRRGGBB), row after row
// with no padding, so the desktop program wraps Data() in a QImage without copying.
// Colours arrive as 0x00BBGGRR words and are converted on the way in. Writes outside
// the buffer are dropped. Single-threaded, like the user-interface code that owns it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "plot/colour.h"
#include "plot/text_painter.h"

namespace karvelo {

enum class Pen { Black, White };

struct PixelPosition {
    int x = 0;
    int y = 0;
    friend bool operator==(const PixelPosition&, const PixelPosition&) = default;
};

// Value of PixelAt outside the buffer: not a valid colour word, so it never matches one.
inline constexpr Colour kNoPixel = 0xFFFFFFFFU;

class Surface {
  public:
    // Smallest size: every panel of the program fits in it.
    static constexpr int kMinWidth = 1280;
    static constexpr int kMinHeight = 720;

    // A white surface of at least kMinWidth x kMinHeight pixels (smaller requests grow).
    explicit Surface(int width = kMinWidth, int height = kMinHeight);

    int Width() const { return width_; }
    int Height() const { return height_; }
    std::size_t BytesPerLine() const { return static_cast<std::size_t>(width_) * sizeof(Word); }
    std::uint32_t* Data() { return pixels_.data(); }
    const std::uint32_t* Data() const { return pixels_.data(); }

    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    void FillWhite();

    // Direct store of one pixel; dropped outside the buffer.
    void SetPixel(int x, int y, Colour colour) {
        if (Contains(x, y)) {
            pixels_[Index(x, y)] = ToRgb32(colour);
        }
    }

    // Colour word at (x, y), or kNoPixel outside the buffer.
    Colour PixelAt(int x, int y) const;

    void MoveTo(int x, int y) { position_ = {x, y}; }
    PixelPosition CurrentPosition() const { return position_; }

    // One-pixel line in the selected pen from the current position to (x, y), which
    // becomes the current position. The end point itself is not painted, so a closed
    // polygon of line-tos paints every corner exactly once. Coordinates farther than
    // kCoordinateLimit from the origin are pulled in to it before the line is traced.
    void LineTo(int x, int y) {
        // A step of one pixel (the usual segment of a dense curve) paints just its start.
        const std::int64_t dx = std::int64_t{x} - position_.x;
        const std::int64_t dy = std::int64_t{y} - position_.y;
        if (dx >= -1 && dx <= 1 && dy >= -1 && dy <= 1) {
            if ((dx != 0 || dy != 0) && Contains(position_.x, position_.y)) {
                pixels_[Index(position_.x, position_.y)] = PenWord();
            }
            position_ = {x, y};
            return;
        }
        TraceLine(x, y);
    }

    void SelectPen(Pen pen) { pen_ = pen; }
    Pen SelectedPen() const { return pen_; }

    // The painter that TextOut uses; not owned, nullptr drops text.
    void SetTextPainter(TextPainter* painter) { painter_ = painter; }
    // Text with its top-left corner at (x, y).
    void TextOut(int x, int y, std::string_view text);

    static constexpr int kCoordinateLimit = 1 << 29;

    // 0x00BBGGRR to the buffer's 0xFFRRGGBB and back.
    static constexpr std::uint32_t ToRgb32(Colour colour) {
        return kOpaque | (RedOf(colour) << 16) | (GreenOf(colour) << 8) | BlueOf(colour);
    }
    static constexpr Colour FromRgb32(std::uint32_t word) {
        return Rgb((word >> 16) & kChannelMax, (word >> 8) & kChannelMax, word & kChannelMax);
    }

  private:
    using Word = std::uint32_t;
    static constexpr Word kOpaque = 0xFF000000U;

    Word PenWord() const { return ToRgb32(pen_ == Pen::White ? kWhite : kBlack); }
    // LineTo for every other line.
    void TraceLine(int x, int y);

    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
               static_cast<std::size_t>(x);
    }

    int width_;
    int height_;
    std::vector<Word> pixels_;
    PixelPosition position_;
    Pen pen_ = Pen::Black;
    TextPainter* painter_ = nullptr;
};

}  // namespace karvelo
