#include "common/error_messages.h"

#include <gtest/gtest.h>

#include "fakes/recording_message_sink.h"

namespace karvelo {
namespace {

// The texts themselves are the table's; what reaches the user is the text alone, the
// text with its code line without a separator, or the text and a detail line.
TEST(ErrorMessages, PlainCodedAndDetailedForms) {
    testing::RecordingMessageSink sink;
    ReportError(kErrInvalidValue, true);
    ReportError(kErrRounding, false);
    ReportError(kErrCannotReadFile, false, "a.txt: no samples");
    EXPECT_EQ(sink.messages,
              (std::vector<std::string>{"Invalid value entered.",
                                        "Rounding error.Possible loss of data.Error code = 2",
                                        "Cannot read file.Error code = 8\na.txt: no samples"}));
}

}  // namespace
}  // namespace karvelo
