// The fixed panels of the main view, in surface pixels.
#pragma once

namespace karvelo {

struct PanelRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

inline constexpr PanelRect kTracePanel{175, 10, 1000, 350};     // traces of the current point
inline constexpr PanelRect kSpectrumPanel{175, 320, 500, 350};  // spectrum curve, modes 0-2
inline constexpr PanelRect kMapPanel{275, 320, 900, 350};       // profile-spectrum map, mode 3

}  // namespace karvelo
