#include "common/error_messages.h"

#include "common/number_format.h"

namespace karvelo {

namespace {
MessageSink* g_sink = nullptr;
thread_local MessageSink* t_sink = nullptr;
}  // namespace

void SetMessageSink(MessageSink* sink) {
    g_sink = sink;
}

MessageSink* CurrentMessageSink() {
    return t_sink != nullptr ? t_sink : g_sink;
}

void SetThreadMessageSink(MessageSink* sink) {
    t_sink = sink;
}

std::string ErrorText(int code, bool plain) {
    std::string text(ErrorMessages.at(static_cast<std::size_t>(code)));
    if (!plain) {
        text += FormatText("Error code = %d", code);
    }
    return text;
}

int ReportError(int code, bool plain) {
    return ReportError(code, plain, std::string());
}

int ReportError(int code, bool plain, const std::string& detail) {
    if (MessageSink* sink = CurrentMessageSink(); sink != nullptr) {
        std::string text = ErrorText(code, plain);
        if (!detail.empty()) {
            text += '\n';
            text += detail;
        }
        sink->Show(text);
    }
    return 1;
}

}  // namespace karvelo
