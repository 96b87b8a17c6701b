// Axis ticks at round values (1, 2 or 5 times a power of ten) for the report's plots.
#pragma once

#include <vector>

namespace karvelo {

struct TickScale {
    double Low = 0.0;  // the axis runs from Low to High, both on a tick
    double High = 0.0;
    double Step = 0.0;  // between two ticks, above 0
    std::vector<double> Ticks;
};

// Round ticks covering low .. high with at most maxTicks of them (at least 2). A range
// that is one value is widened around it (by a tenth of it, or 1 for 0), so its ticks
// never repeat; minStep (when above 0) is the smallest step allowed (1 for point numbers).
TickScale NiceTicks(double low, double high, int maxTicks, double minStep = 0.0);

}  // namespace karvelo
