#include "app/static_text.h"

#include <QLabel>

#include "app/dialog_units.h"

namespace karvelo {

namespace {
// Templates give one line of text a height of 8 to 11 dialog units.
constexpr int kOneLineUnits = 11;
}  // namespace

QLabel* StaticText(const QString& text, QWidget* parent, int x, int y, int width, int height) {
    auto* label = PlaceAt(new QLabel(text, parent), x, y, width, height);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (height > kOneLineUnits) {
        label->setWordWrap(true);
    } else if (label->sizeHint().width() > label->width()) {
        label->resize(label->sizeHint().width(), label->height());
    }
    return label;
}

QLabel* StaticText(UiText text, QWidget* parent, int x, int y, int width, int height) {
    QLabel* label = StaticText(Translate(text), parent, x, y, width, height);
    SetUiText(label, "text", text);
    return label;
}

}  // namespace karvelo
