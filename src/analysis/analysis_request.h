// The record through which the form asks the pipeline for a run, and the one-shot
// request flags.
#pragma once

#include <cstdint>

#include "analysis/spectral_options.h"
#include "common/analysis_controls.h"
#include "common/language.h"

namespace karvelo {

// Spectrum kinds of radio group 1018.
enum SpectrumModeCode : std::int32_t {
    kSingleTrace = 0,       // "Одна трасса"
    kAveragedSpectrum = 1,  // "Усреднённый спектр"
    kSpectrumProduct = 2,   // "Произведение спектров"
    kProfileSpectrum = 3,   // "Спектр профиля"
};

// RequestKind values.
inline constexpr std::uint8_t kRequestRedraw = 0;
inline constexpr std::uint8_t kRequestClick = 2;

struct AnalysisRequest {
    std::uint32_t TraceNumber = 0;         // 0-based trace within the point
    std::int32_t SpectrumMode = 0;         // SpectrumModeCode
    std::int32_t FMax = 3000;              // Hz, in/out (band reset)
    std::int32_t FMin = 0;                 // Hz, in/out (band reset)
    AnalysisControls* Controls = nullptr;  // list 1030, statics, "S"; may be null
    std::int32_t ViewMode = 0;             // 0 wiggle, 1 density
    std::uint32_t PointNumber = 1;         // 1-based measuring point
    std::uint8_t RequestKind = kRequestRedraw;
    std::int32_t ClickX = 0;  // surface pixels (RequestKind 2 only)
    std::int32_t ClickY = 0;
    // RequestKind 2: a line of list 1030 (0-based) whose maximum is clicked instead of
    // (ClickX, ClickY); the click lands on the column of its bin. -1: the click as given.
    std::int32_t ListedPeak = -1;
    double ClickFrequency = 0.0;  // out: Hz under the click
    float VelocityOrThickness = 0.0f;
    float DerivedValue = 0.0f;  // out
    float QualityValue = 0.0f;  // out
    std::int32_t ThicknessGiven = 0;
    float Contrast = 0.0f;          // 0..1, mode 3 only
    double RefinedFrequency = 0.0;  // out: a clicked maximum's frequency between the bins
    double ShapeFactor = 1.0;       // beta of the thickness formula, 0.5 .. 1.2
    bool Detrend = false;           // subtract each trace's least-squares line before resampling
    bool MarkArrivals = false;      // mark the first arrivals of the shown hit's two channels
    SpectralOptions Spectral;       // window and zero padding of every transform
    Language Captions = Language::Russian;  // language of the captions drawn into the panels
};

// One-shot flags: set by the form's actions, cleared by the run that acted on them.
struct RequestFlags {
    bool RefreshPeaksRequest = false;
    bool ResetBandRequest = false;
    bool BandLimitOnly = false;
    bool ContrastClipRequest = false;
};

// Helpers for the optional controls of a request.
inline void ShowAnalysisStatic(const AnalysisRequest& request, AnalysisStatic which, bool visible) {
    if (request.Controls != nullptr) {
        request.Controls->ShowStatic(which, visible);
    }
}

inline void EnableExport(const AnalysisRequest& request, bool enabled) {
    if (request.Controls != nullptr) {
        request.Controls->EnableExportButton(enabled);
    }
}

}  // namespace karvelo
