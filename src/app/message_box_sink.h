// MessageSink of the desktop program: a modal message box with OK only, captioned with
// the program's title, over the window the user is working in.
#pragma once

#include "common/error_messages.h"

namespace karvelo {

class MessageBoxSink : public MessageSink {
  public:
    void Show(const std::string& text) override;
};

}  // namespace karvelo
