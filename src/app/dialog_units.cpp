#include "app/dialog_units.h"

namespace karvelo {

namespace {
constexpr int kDialogFontPixels = 10;
}  // namespace

QFont DialogFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(kDialogFontPixels);
    return font;
}

}  // namespace karvelo
