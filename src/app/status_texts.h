// The status bar's texts: what is loaded, and what lies under the mouse.
#pragma once

#include <QString>

#include "plot/spectrum_click.h"

namespace karvelo {

class Document;

// The source, traces, points, hits, sample interval, record length and frequency step of
// the document's profile; empty with nothing loaded.
QString LoadedSummary(const Document& document);

// "Frequency 1557.6 Hz, amplitude 0.873" in the interface language.
QString SpectrumReadout(const SpectrumReading& reading);

}  // namespace karvelo
