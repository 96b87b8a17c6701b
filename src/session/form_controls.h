// What the form's actions need of the form's widgets. The desktop program implements
// it with its controls and their data exchange; the CLI with its options.
#pragma once

#include "session/form_state.h"

namespace karvelo {

class FormControls {
  public:
    virtual ~FormControls() = default;
    // Reads every control into state in the exchange order. Text that does not parse
    // shows the usual prompt and stops the read there: the members before that control
    // take their new values, the rest keep theirs.
    virtual void ReadControls(FormState& state) = 0;
    // Writes every member into its control. The changes this causes are not dispatched
    // to the actions (a corrected point number does not start another action).
    virtual void WriteControls(const FormState& state) = 0;
    // Radio 1040 "Спектр профиля"; disabled until the first load.
    virtual void EnableProfileSpectrumRadio() = 0;
    // The palette caption 1048 and the contrast bar 1046 with its caption 1047.
    virtual void ShowContrastControls(bool visible) = 0;
    // Position of the contrast bar 1046, 0..100.
    virtual int ContrastBarPosition() const = 0;
    virtual void SetContrastBarPosition(int position) = 0;
    // Repaint the view from the drawing surface (nothing is recomputed).
    virtual void Invalidate() = 0;
};

// The modeless "Сообщение" box shown while a long run computes.
class ProgressBox {
  public:
    virtual ~ProgressBox() = default;
    // Shows the box and makes sure it is painted before the run starts.
    virtual void Open() = 0;
    // Removes it; does nothing when no box is open.
    virtual void Close() = 0;
};

}  // namespace karvelo
