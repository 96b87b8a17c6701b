// The status bar's texts: what is loaded, and what lies under the mouse.
#pragma once

#include <QString>

#include "plot/map_reading.h"
#include "plot/spectrum_click.h"
#include "plot/trace_reading.h"

namespace karvelo {

class Document;
class FormSession;

// The source, traces, points, hits, sample interval, record length and frequency step of
// the document's profile; empty with nothing loaded.
QString LoadedSummary(const Document& document);

// "Frequency 1557.6 Hz, amplitude 0.873" in the interface language.
QString SpectrumReadout(const SpectrumReading& reading);
// "Trace 3, time 1550 µs, amplitude -0.0412"; microseconds false: picoseconds.
QString TraceReadout(const TraceReading& reading, bool microseconds);
// "Point 4, frequency 4512.3 Hz, value 0.731": the point as a pick there reads it.
QString MapReadout(const MapReading& reading);

// What the form's drawing shows at surface pixel (x, y): the readout of the panel under
// it, empty off the panels.
QString ReadoutAt(const FormSession& session, int x, int y);

}  // namespace karvelo
