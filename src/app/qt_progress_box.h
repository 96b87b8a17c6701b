// ProgressBox with the "Сообщение" window: created and painted before a long run,
// destroyed after it. The box is owned here alone, so no pointer to it outlives it.
#pragma once

#include <memory>

#include "app/progress_dialog.h"
#include "session/form_controls.h"

namespace karvelo {

class QtProgressBox : public ProgressBox {
  public:
    QtProgressBox();
    ~QtProgressBox() override;
    QtProgressBox(const QtProgressBox&) = delete;
    QtProgressBox& operator=(const QtProgressBox&) = delete;

    // Shows a new box (closing one still open) and returns once it has been painted, or
    // after a short wait when the window system has not exposed it yet.
    void Open() override;
    void Close() override;

    bool IsOpen() const { return dialog_ != nullptr; }

  private:
    std::unique_ptr<ProgressDialog> dialog_;
};

}  // namespace karvelo
