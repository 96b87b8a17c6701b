#include "common/error_messages.h"

#include <gtest/gtest.h>

#include "fakes/recording_message_sink.h"

namespace karvelo {
namespace {

struct ErrorCase {
    int code;
    const char* text;
};

// The exact texts users see, by code.
constexpr ErrorCase kTable[] = {
    {0, "New message."},
    {1, "Error."},
    {2, "Rounding error.Possible loss of data."},
    {3, "Cannot allocate memory."},
    {4, "Too many files chosen."},
    {5, "Not enough memory to open profile."},
    {6, "Cannot open file."},
    {7, "Invalid number of hits."},
    {8, "Cannot read file."},
    {9, "Cannot save quality value."},
    {10, "No data to save."},
    {11, "Cannot open or create file."},
    {12, "Cannot execute command."},
    {13, "Invalid value entered."},
};

// The plain form shows the table text alone; the other one adds the code line without a
// separator.
TEST(ErrorMessages, TextsByCodeInBothForms) {
    for (const auto& entry : kTable) {
        testing::RecordingMessageSink sink;
        ReportError(entry.code, true);
        ReportError(entry.code, false);
        EXPECT_EQ(sink.messages,
                  (std::vector<std::string>{entry.text, std::string(entry.text) + "Error code = " +
                                                            std::to_string(entry.code)}));
    }
}

}  // namespace
}  // namespace karvelo
