// Geometry and font of the program's forms and dialogs, laid out in dialog units.
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>
#include <QWidget>

namespace karvelo {

// Dialog units to pixels with the classic base units (6 x 13 pixels per 4 x 8 units).
constexpr int DialogX(int units) {
    return units * 6 / 4;
}
constexpr int DialogY(int units) {
    return units * 13 / 8;
}

// A rectangle given as x, y, width, height in dialog units; both corners are converted,
// as the dialog manager maps a template rectangle.
inline QRect DialogRect(int x, int y, int width, int height) {
    const int left = DialogX(x);
    const int top = DialogY(y);
    return {left, top, DialogX(x + width) - left, DialogY(y + height) - top};
}

inline QSize DialogSize(int width, int height) {
    return {DialogX(width), DialogY(height)};
}

// Places widget at a template rectangle and returns it, for one-line control creation.
template <class Widget>
Widget* PlaceAt(Widget* widget, int x, int y, int width, int height) {
    widget->setGeometry(DialogRect(x, y, width, height));
    return widget;
}

// The font of every form and dialog: small enough for the template rectangles.
QFont DialogFont();

}  // namespace karvelo
