// Test fakes for the form's widgets and the progress box: the controls hold values a
// test sets as a user would type them, and count what the actions did to them.
#pragma once

#include "session/value_form_controls.h"

namespace karvelo::testing {

class FakeFormControls : public ValueFormControls {
  public:
    int writes = 0;
    int invalidations = 0;

    void WriteControls(const FormState& state) override {
        ValueFormControls::WriteControls(state);
        ++writes;
    }
    void Invalidate() override { ++invalidations; }
};

class FakeProgressBox : public ProgressBox {
  public:
    void Open() override {
        ++opened;
        open = true;
    }
    void Close() override {
        if (open) {
            ++closed;
        }
        open = false;
    }
    int opened = 0;
    int closed = 0;
    bool open = false;
};

}  // namespace karvelo::testing
