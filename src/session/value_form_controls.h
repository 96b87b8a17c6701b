// Form controls that hold plain values: what a user would have typed or clicked. The
// headless front end drives the form through them, and tests start from them.
#pragma once

#include "session/form_controls.h"

namespace karvelo {

class ValueFormControls : public FormControls {
  public:
    FormState widgets;  // what the controls show
    int contrastBar = 0;
    bool profileSpectrumEnabled = false;
    bool contrastControlsShown = false;

    void ReadControls(FormState& state) override {
        state = widgets;
        state.ContrastPos = contrastBar;
    }
    void WriteControls(const FormState& state) override {
        widgets = state;
        contrastBar = state.ContrastPos;
    }
    void EnableProfileSpectrumRadio() override { profileSpectrumEnabled = true; }
    void ShowContrastControls(bool visible) override { contrastControlsShown = visible; }
    int ContrastBarPosition() const override { return contrastBar; }
    void SetContrastBarPosition(int position) override { contrastBar = position; }
    void Invalidate() override {}
};

// No box to show: nothing runs long enough without a screen to watch.
class NoProgressBox : public ProgressBox {
  public:
    void Open() override {}
    void Close() override {}
};

}  // namespace karvelo
