#include "analysis/band.h"

#include <algorithm>

#include "analysis/analysis_buffers.h"
#include "common/error_messages.h"
#include "common/field_rules.h"

namespace karvelo {

void ResetBand(RequestFlags& flags, AnalysisRequest& request, std::int32_t top) {
    if (!flags.ResetBandRequest) {
        return;
    }
    if (flags.BandLimitOnly) {
        request.FMax = std::min(request.FMax, top);
        flags.BandLimitOnly = false;
    } else {
        request.FMax = top;
    }
    request.FMin = 0;
    flags.ResetBandRequest = false;
}

BandBins SelectBand(std::int32_t fMin, std::int32_t fMax,
                    std::span<const std::uint32_t> frequencies) {
    const auto low = static_cast<std::uint32_t>(fMin);
    const auto high = static_cast<std::uint32_t>(fMax);
    const auto last = static_cast<std::uint32_t>(frequencies.size() - 1);

    BandBins band{last, last};
    const auto atLow = std::lower_bound(frequencies.begin(), frequencies.end(), low);
    if (atLow != frequencies.end()) {
        band.First = static_cast<std::uint32_t>(atLow - frequencies.begin());
        if (*atLow > low && band.First > 0) {
            --band.First;
        }
    }
    const auto atHigh = std::lower_bound(frequencies.begin(), frequencies.end(), high);
    if (atHigh != frequencies.end()) {
        band.Last = static_cast<std::uint32_t>(atHigh - frequencies.begin());
    }
    return band;
}

const char* BandRule(std::int32_t fMin, std::int32_t fMax) {
    if (fMax < 0) {
        return kRuleFMax;
    }
    return fMin < 0 || fMin > fMax ? kRuleFMin : kRuleBandWidth;
}

bool IsUsableBand(std::int32_t fMin, std::int32_t fMax, BandBins band) {
    return fMax >= 0 && fMin <= fMax && band.Last >= band.First && band.Count() >= kMinBandBins;
}

std::optional<BandBins> SelectRequestBand(const AnalysisBuffers& buffers,
                                          const AnalysisRequest& request, std::uint32_t binCount) {
    if (binCount >= 1 && binCount <= kMaxSpectrumBins) {
        const BandBins band =
            SelectBand(request.FMin, request.FMax,
                       std::span<const std::uint32_t>(buffers.BinFrequencies.data(), binCount));
        if (IsUsableBand(request.FMin, request.FMax, band)) {
            return band;
        }
        ReportError(kErrInvalidValue, true, BandRule(request.FMin, request.FMax));
        return std::nullopt;
    }
    ReportError(kErrInvalidValue, true);
    return std::nullopt;
}

template <typename T>
void CutBandValues(std::span<T> values, BandBins band) {
    if (band.First == 0 || band.Last < band.First || band.Last >= values.size()) {
        return;
    }
    const auto first = values.begin() + band.First;
    std::copy(first, first + band.Count(), values.begin());
}

template void CutBandValues<std::uint32_t>(std::span<std::uint32_t>, BandBins);
template void CutBandValues<float>(std::span<float>, BandBins);
template void CutBandValues<double>(std::span<double>, BandBins);

void CutBand(AnalysisBuffers& buffers, std::int32_t spectrumMode, BandBins band,
             std::uint32_t pointCount) {
    CutBandValues(std::span<std::uint32_t>(buffers.BinFrequencies), band);
    if (spectrumMode != kProfileSpectrum) {
        CutBandValues(std::span<float>(buffers.SpectrumRows.data(), kSpectrumRowStride), band);
        return;
    }
    const std::size_t rows =
        std::min<std::size_t>(pointCount, buffers.ProfileSpectrumGrid.size() / buffers.GridStride);
    for (std::size_t j = 0; j < rows; ++j) {
        CutBandValues(GridRow(buffers, j), band);
    }
}

}  // namespace karvelo
