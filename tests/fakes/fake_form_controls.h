// Test fakes for the form's widgets and the progress box: the controls hold values a
// test sets as a user would type them, and record what the actions did to them.
#pragma once

#include <optional>

#include "session/form_controls.h"

namespace karvelo::testing {

class FakeFormControls : public FormControls {
  public:
    FormState widgets;  // what the controls show
    int contrastBar = 0;
    bool profileSpectrumEnabled = false;
    bool contrastControlsShown = false;
    int writes = 0;
    int invalidations = 0;

    void ReadControls(FormState& state) override {
        state = widgets;
        state.ContrastPos = contrastBar;
    }
    void WriteControls(const FormState& state) override {
        widgets = state;
        contrastBar = state.ContrastPos;
        ++writes;
    }
    void EnableProfileSpectrumRadio() override { profileSpectrumEnabled = true; }
    void ShowContrastControls(bool visible) override { contrastControlsShown = visible; }
    int ContrastBarPosition() const override { return contrastBar; }
    void SetContrastBarPosition(int position) override { contrastBar = position; }
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
