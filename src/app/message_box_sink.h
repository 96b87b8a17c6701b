// MessageSink of the desktop program: a modal message box with OK only, captioned with
// the program's title, over the window the user is working in.
#pragma once

#include "common/error_messages.h"

class QWidget;

namespace karvelo {

class MessageBoxSink : public MessageSink {
  public:
    // mainWindow (may be null) owns every box that no dialog is open for; it must outlive
    // the sink.
    explicit MessageBoxSink(QWidget* mainWindow) : mainWindow_(mainWindow) {}
    // The box covers the open modal dialog, else the main window; when it closes, the
    // window it covered takes the keyboard back.
    void Show(const std::string& text) override;

  private:
    QWidget* mainWindow_;
};

}  // namespace karvelo
