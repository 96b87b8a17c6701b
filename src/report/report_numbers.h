// Numbers of the report at the precision they carry: thickness in mm to a tenth,
// velocity in whole m/s, frequency in whole Hz.
#pragma once

#include <string>

#include "common/language.h"
#include "report/report_quantity.h"

namespace karvelo {

// value with `decimals` digits after the point ("%.*f"); -0 is written 0.
std::string FormatFixed(double value, int decimals);

// Digits after the point a value of quantity is shown with.
int DecimalsOf(ReportQuantity quantity);

// The unit as the interface writes it ("мм", "mm") and as machine names carry it ("mm").
const char* UnitWord(ReportQuantity quantity, Language language = Language::Russian);
const char* UnitName(ReportQuantity quantity);
// The quantity as machine names start ("thickness") and as a word ("Толщина",
// "Thickness").
const char* QuantityName(ReportQuantity quantity);
const char* QuantityWord(ReportQuantity quantity, Language language = Language::Russian);

}  // namespace karvelo
