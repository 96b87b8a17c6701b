// Setting the form's fields from karvelo-cli options, as a user would type them.
#pragma once

#include "cli/cli_options.h"
#include "cli/cli_session.h"

namespace karvelo::cli {

// A pixel position "X,Y".
struct PixelArg {
    int x = 0;
    int y = 0;
};
PixelArg ParsePixel(const std::string& text, const std::string& option);

// Runs the open command through the session (the post-load refresh included).
// False when the load was refused (the refusal is printed on standard error).
bool OpenThroughSession(CliSession& cli, const CliOptions& options);

// Sets point, trace, spectrum mode, view, band, velocity or thickness of the form's
// fields from the options (throws UsageError for a bad value). Returns true when the
// spectrum mode is the profile spectrum.
bool SetFormFields(FormState& fields, const CliOptions& options);

// Counts the messages the program raised while it is alive, printing each as
// "error: TEXT" on standard output.
class CountingMessageSink : public PrintingMessageSink {
  public:
    CountingMessageSink() : PrintingMessageSink(std::cout), scope_(this) {}
    void Show(const std::string& text) override {
        ++count;
        PrintingMessageSink::Show(text);
    }
    int count = 0;

  private:
    ScopedMessageSink scope_;
};

}  // namespace karvelo::cli
