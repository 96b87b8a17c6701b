// The program's error table and the one way errors reach the user.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace karvelo {

// Error codes of the table below; the value is the index into ErrorMessages.
enum ErrorCode : int {
    kErrNewMessage = 0,
    kErrGeneric = 1,
    kErrRounding = 2,
    kErrAllocation = 3,
    kErrTooManyFiles = 4,
    kErrNoMemoryForProfile = 5,
    kErrCannotOpenFile = 6,
    kErrInvalidHits = 7,
    kErrCannotReadFile = 8,
    kErrQualityTableFull = 9,
    kErrNoDataToSave = 10,
    kErrCannotCreateFile = 11,
    kErrCannotExecute = 12,
    kErrInvalidValue = 13,
};

inline constexpr int kErrorCodeCount = 14;

// The fixed English texts, indexed by error code.
inline constexpr std::array<std::string_view, kErrorCodeCount> ErrorMessages = {
    "New message.",
    "Error.",
    "Rounding error.Possible loss of data.",
    "Cannot allocate memory.",
    "Too many files chosen.",
    "Not enough memory to open profile.",
    "Cannot open file.",
    "Invalid number of hits.",
    "Cannot read file.",
    "Cannot save quality value.",
    "No data to save.",
    "Cannot open or create file.",
    "Cannot execute command.",
    "Invalid value entered.",
};

// Where messages are shown: a modal message box in the desktop program, standard
// error in the CLI, a recorder in tests.
class MessageSink {
  public:
    virtual ~MessageSink() = default;
    // Shows text (UTF-8) and returns when the user has acknowledged it.
    virtual void Show(const std::string& text) = 0;
};

// Installs the sink that ReportError uses; nullptr drops messages. The caller keeps
// ownership and must reinstall (or clear) before the sink is destroyed.
void SetMessageSink(MessageSink* sink);
MessageSink* CurrentMessageSink();

// Installs a sink for the calling thread only, ahead of the program's (nullptr: the
// program's again). Worker threads collect their messages this way and leave showing
// them to the thread that started them.
void SetThreadMessageSink(MessageSink* sink);

// The text ReportError shows: the table text, followed directly (no separator) by
// "Error code = N" unless plain. code must be 0..13.
std::string ErrorText(int code, bool plain);

// Shows ErrorText(code, plain) through the installed sink. Returns 1 (the OK of the box).
int ReportError(int code, bool plain);

// As above, with a second line under the text when detail is not empty (what went wrong
// with which file): ErrorText(code, plain) + "\n" + detail.
int ReportError(int code, bool plain, const std::string& detail);

// Installs a sink for the lifetime of the guard and restores the previous one after.
class ScopedMessageSink {
  public:
    explicit ScopedMessageSink(MessageSink* sink) : previous_(CurrentMessageSink()) {
        SetMessageSink(sink);
    }
    ~ScopedMessageSink() { SetMessageSink(previous_); }
    ScopedMessageSink(const ScopedMessageSink&) = delete;
    ScopedMessageSink& operator=(const ScopedMessageSink&) = delete;

  private:
    MessageSink* previous_;
};

}  // namespace karvelo
