// Static text of a form or dialog template.
#pragma once

#include "app/ui_text.h"

class QLabel;
class QString;
class QWidget;

namespace karvelo {

// A label at a template rectangle (dialog units), text at its top left. A rectangle of
// one text line keeps the text on that line, growing to the right when the text is wider;
// a taller one wraps its words.
QLabel* StaticText(const QString& text, QWidget* parent, int x, int y, int width, int height);
// The same with a text of the interface, which follows the interface language.
QLabel* StaticText(UiText text, QWidget* parent, int x, int y, int width, int height);

}  // namespace karvelo
