// The main form's members: what its controls hold, as the actions read and write them.
#pragma once

#include <cstdint>

#include "analysis/spectral_options.h"

namespace karvelo {

struct FormState {
    std::int32_t SpectrumMode = 0;     // radio group 1018: 0..3
    std::int32_t SpinValue = 0;        // hidden edit 1021
    std::int32_t TraceNumber = 0;      // edit 1024, 0-based trace within the point
    std::int32_t FMax = 3000;          // edit 1025, Hz
    std::int32_t FMin = 0;             // edit 1026, Hz
    std::int32_t PeakIndex = 0;        // list box 1030 selection
    std::int32_t ViewMode = 0;         // radio group 1031: 0 wiggle, 1 density
    std::uint32_t PointNumber = 0;     // edit 1036, 0-based measuring point
    double ClickFrequency = 0.0;       // static 1041, Hz
    float VelocityOrThickness = 0.0f;  // edit 1042
    float DerivedValue = 0.0f;         // static 1043
    std::int32_t ThicknessGiven = 0;   // check box 1044
    std::int32_t ContrastPos = 0;      // scroll bar 1046, 0..100
    float QualityValue = 0.0f;         // static 1053
    double RefinedFrequency = 0.0;     // static "Уточн. частота", Hz
    float ShapeFactor = 1.0f;          // edit "β", 0.5 .. 1.2
    std::int32_t Detrend = 0;          // check box "Убрать тренд"
    float SensorSpacingMm = 300.0f;    // edit "База датчиков, мм"
    // Choice "Cp из двух датчиков": 0 not measured, 1 measured and shown, 2 each point's
    // own for the thickness, 3 the line's median for the thickness (ArrivalVelocityUse).
    std::int32_t ArrivalVelocity = 0;
    SpectralOptions Spectral;  // combo boxes "Окно" and "Дополнение нулями"
};

}  // namespace karvelo
