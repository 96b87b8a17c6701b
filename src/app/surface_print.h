// Printing the drawing surface (Ctrl+P): the picture, scaled to fit the page.
#pragma once

#include <QRect>

class QPrinter;

namespace karvelo {

class Surface;

// Prints the part area of surface (clipped to it) on one page of printer, as large as the
// page allows without distortion. Nothing is printed when the printer cannot start.
void PrintSurface(const Surface& surface, const QRect& area, QPrinter& printer);

}  // namespace karvelo
