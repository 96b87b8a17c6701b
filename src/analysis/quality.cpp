#include "analysis/quality.h"

#include <cmath>
#include <cstddef>
#include <ostream>

#include "analysis/analysis_buffers.h"
#include "analysis/peaks.h"
#include "analysis/text_file_save.h"
#include "common/error_messages.h"
#include "common/number_format.h"

namespace karvelo {

bool QualityDisplayOn = false;
std::int32_t QualityCount = 0;
std::array<QualityRecord, kMaxQualityRecords> QualityRecords{};

namespace {

constexpr const char* kQualityFileName = "quality.txt";

void ShowQualityStatics(const AnalysisRequest& request, bool visible) {
    ShowAnalysisStatic(request, AnalysisStatic::Quality, visible);
    ShowAnalysisStatic(request, AnalysisStatic::QualityCaption, visible);
}

}  // namespace

std::optional<double> PeakQuality(std::span<const float> s,
                                  std::span<const std::uint32_t> frequencies, std::uint32_t b) {
    const std::size_t count = s.size();
    if (b >= count || frequencies.size() < count) {
        return std::nullopt;
    }
    const double level = s[b] / std::sqrt(2.0);  // half power of an amplitude

    // Walk outwards to the first bin at or below the half-power level on each side; a
    // rise on the way or the band edge means the peak has no bandwidth here.
    std::optional<std::uint32_t> leftEdge;
    for (std::uint32_t j = b; j > 0; --j) {
        if (s[j - 1] > s[j]) {
            break;
        }
        if (s[j - 1] <= level) {
            leftEdge = frequencies[j - 1];
            break;
        }
    }
    std::optional<std::uint32_t> rightEdge;
    for (std::uint32_t j = b; leftEdge && j + 1 < count; ++j) {
        if (s[j + 1] > s[j]) {
            break;
        }
        if (s[j + 1] <= level) {
            rightEdge = frequencies[j + 1];
            break;
        }
    }
    // Bins closer than 1 Hz can share a whole-Hz frequency; such a width is no width.
    if (!rightEdge || *rightEdge <= *leftEdge) {
        return std::nullopt;
    }
    return frequencies[b] / (static_cast<double>(*rightEdge) - *leftEdge);
}

void ComputeQuality(AnalysisRequest& request, std::uint32_t b, std::uint32_t iMin,
                    std::uint32_t count) {
    if (!QualityDisplayOn) {
        return;
    }
    ShowQualityStatics(request, true);
    if (count > kSpectrumRowStride || b >= count || !PeakAtBin(b + iMin)) {
        ShowQualityStatics(request, false);
        return;
    }
    const std::optional<double> quality = PeakQuality(std::span(SpectrumRows).first(count),
                                                      std::span(BinFrequencies).first(count), b);
    if (!quality) {
        ShowQualityStatics(request, false);
        return;
    }
    const double peakFrequency = BinFrequencies[b];
    request.QualityValue = static_cast<float>(*quality);
    if (request.SpectrumMode == kSpectrumProduct) {
        StoreQuality(request.PointNumber - 1, peakFrequency, *quality);
    }
}

void StoreQuality(std::uint32_t pointIndex, double peakFrequency, double quality) {
    if (QualityCount >= static_cast<std::int32_t>(kMaxQualityRecords)) {
        ReportError(kErrQualityTableFull, true);
        return;
    }
    QualityRecords[static_cast<std::size_t>(QualityCount)] = {pointIndex, peakFrequency, quality};
    ++QualityCount;
}

void SaveQuality(SaveFileChooser& chooser) {
    if (QualityCount < 1) {
        ReportError(kErrNoDataToSave, true);
        return;
    }
    const SaveOutcome outcome = SaveTextFile(chooser, kQualityFileName, [](std::ostream& out) {
        for (std::int32_t k = 0; k < QualityCount; ++k) {
            const QualityRecord& record = QualityRecords[static_cast<std::size_t>(k)];
            out << record.PointIndex << "  " << FormatDefault(record.PeakFrequency) << "  "
                << FormatDefault(record.Quality) << '\n';
        }
    });
    if (outcome == SaveOutcome::Written) {
        QualityCount = 0;
    }
}

}  // namespace karvelo
