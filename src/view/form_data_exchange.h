// FormControls over the form's widgets: the data exchange between the form's members
// and its controls, and the few direct control changes the actions make.
#pragma once

#include "session/form_controls.h"
#include "view/form_widgets.h"

namespace karvelo {

class FormDataExchange : public FormControls {
  public:
    // widgets and canvas (the widget that shows the drawing) must outlive this object.
    FormDataExchange(const FormWidgets& widgets, QWidget* canvas);

    // Order: 1018, 1021, 1024, 1025, 1026, 1030, 1031, 1036, 1041, 1042, 1043, 1044,
    // 1046, 1053. A text that does not parse stops the read after its prompt.
    void ReadControls(FormState& state) override;
    // Same order; no control sends a notification for these writes.
    void WriteControls(const FormState& state) override;
    void EnableProfileSpectrumRadio() override;
    void ShowContrastControls(bool visible) override;
    int ContrastBarPosition() const override;
    void SetContrastBarPosition(int position) override;
    void Invalidate() override;

  private:
    const FormWidgets& w_;
    QWidget* canvas_;
};

}  // namespace karvelo
