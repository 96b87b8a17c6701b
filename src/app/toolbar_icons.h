// The program's small pictures, drawn rather than loaded: the toolbar's open and about
// buttons and the application icon.
#pragma once

#include <QIcon>

namespace karvelo {

QIcon OpenIcon();
QIcon AboutIcon();
QIcon ApplicationIcon();

}  // namespace karvelo
