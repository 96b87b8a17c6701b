// The order in which Tab moves through a window's controls.
#pragma once

#include <initializer_list>

class QWidget;

namespace karvelo {

// Tab moves from each control to the next in controls, in this order.
void SetTabChain(std::initializer_list<QWidget*> controls);

}  // namespace karvelo
