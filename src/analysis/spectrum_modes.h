// The spectra of the four spectrum modes, computed from the traces of ProfileImage.
#pragma once

#include <cstdint>
#include <span>

#include "analysis/analysis_buffers.h"
#include "analysis/analysis_request.h"
#include "profile/profile.h"

namespace karvelo {

// Divides magnitudes by their largest value (the first of equal maxima) and writes the
// result in single precision to out (firstFactor), or multiplies it into out (a further
// factor of a product). A spectrum whose largest value is 0 (or not finite) counts as
// all zeros, so no NaN is produced. out holds at least magnitudes.size() values.
void NormaliseSpectrum(std::span<const double> magnitudes, std::span<float> out, bool firstFactor);

// Whether the loaded profile can be transformed: 2 .. kMaxSamplesPerTrace samples per
// trace and a nonzero sample interval. Otherwise reports error 13 (plain).
bool CheckTraceGeometry(const Profile& profile);

// TraceSamples[0 .. N) = decoded samples of a record of ProfileImage, or the sample-by-
// sample mean of recordCount consecutive records (the averaged signal of mode 1).
// record + recordCount must not exceed kMaxTraceRecords, N not kMaxSamplesPerTrace.
void LoadTraceSamples(const Profile& profile, AnalysisBuffers& buffers, std::size_t record,
                      std::uint32_t sampleCount);
void LoadAveragedSamples(const Profile& profile, AnalysisBuffers& buffers, std::size_t firstRecord,
                         std::uint32_t recordCount, std::uint32_t sampleCount);

// Resamples TraceSamples[0 .. N) and transforms it: AmplitudeSpectrum[0 .. M). With
// detrend, the samples' least-squares line is subtracted first; spectral windows and
// pads the resampled trace (ResampledTrace keeps it unwindowed). False when the
// resampling or FFTW refuses (nothing reported).
bool TransformTraceSamples(AnalysisBuffers& buffers, std::uint32_t sampleCount,
                           std::uint32_t sampleInterval, bool detrend = false,
                           const SpectralOptions& spectral = {});

// Modes 0 to 2 for the request's PointNumber (1-based) and TraceNumber: the normalised
// spectrum of the trace (0), of the averaged traces (1) or the product of the traces'
// normalised spectra (2) into SelectionSpectrum[0 .. M) and row 0 of SpectrumRows.
// Reports error 13 (plain) and returns false, leaving both unchanged, when the profile
// cannot be transformed or the point or trace lies outside it.
bool ComputeSelectionSpectrum(const Profile& profile, AnalysisBuffers& buffers,
                              const AnalysisRequest& request);

// Mode 3: for every point j < PointCount, row j of ProfileSpectrumGrid = the product of
// the raw amplitude spectra of its TracesPerPoint traces (M values). Reports error 13
// (plain) and returns false when the profile cannot be transformed, has no points or
// more than the image holds (grid unchanged), or when a trace holds a value
// the resampling refuses (rows before that point already replaced). detrend as for
// TransformTraceSamples, and so are the spectral options.
bool ComputeProfileSpectra(const Profile& profile, AnalysisBuffers& buffers, bool detrend = false,
                           const SpectralOptions& spectral = {});

// The spectra the request's SpectrumMode asks for (one of the two above), with the
// request's Detrend and Spectral options.
bool ComputeSpectra(const Profile& profile, AnalysisBuffers& buffers,
                    const AnalysisRequest& request);

}  // namespace karvelo
