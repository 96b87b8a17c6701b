// Menus and menu items whose texts follow the interface language.
#pragma once

#include "app/ui_text.h"

class QAction;
class QMenu;
class QMenuBar;

namespace karvelo {

QMenu* AddMenu(QMenuBar* bar, UiText title);
QMenu* AddMenu(QMenu* menu, UiText title);
QAction* AddItem(QMenu* menu, UiText text);

}  // namespace karvelo
