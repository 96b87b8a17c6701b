#include "app/menu_items.h"

#include <QMenu>
#include <QMenuBar>

namespace karvelo {

QMenu* AddMenu(QMenuBar* bar, UiText title) {
    QMenu* menu = bar->addMenu(QString());
    SetUiText(menu, "title", title);
    return menu;
}

QMenu* AddMenu(QMenu* menu, UiText title) {
    QMenu* submenu = menu->addMenu(QString());
    SetUiText(submenu, "title", title);
    return submenu;
}

QAction* AddItem(QMenu* menu, UiText text) {
    QAction* item = menu->addAction(QString());
    SetUiText(item, "text", text);
    return item;
}

}  // namespace karvelo
