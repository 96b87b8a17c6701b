// Test fake: records every message the program shows, and installs itself as the
// message sink for its lifetime.
#pragma once

#include <string>
#include <vector>

#include "common/error_messages.h"

namespace karvelo::testing {

class RecordingMessageSink : public MessageSink {
  public:
    RecordingMessageSink() : scope_(this) {}
    void Show(const std::string& text) override { messages.push_back(text); }

    std::vector<std::string> messages;

  private:
    ScopedMessageSink scope_;
};

}  // namespace karvelo::testing
