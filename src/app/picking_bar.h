// The picking bar at the bottom of the main window: "Ok" closes the current pick line,
// "Удалить точки" deletes every pick, "Сохранить" saves the finished lines.
#pragma once

#include <QToolBar>

namespace karvelo {

class FormSession;

class PickingBar : public QToolBar {
  public:
    // session must outlive the bar. The bar starts hidden.
    PickingBar(FormSession& session, QWidget* parent);
};

}  // namespace karvelo
