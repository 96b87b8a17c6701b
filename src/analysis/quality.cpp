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

void ComputeQuality(const AnalysisBuffers& buffers, QualityTable* table, AnalysisRequest& request,
                    std::uint32_t b, std::uint32_t iMin, std::uint32_t count) {
    if (table == nullptr || !table->QualityDisplayOn) {
        return;
    }
    ShowQualityStatics(request, true);
    if (count > kSpectrumRowStride || b >= count || !PeakAtBin(buffers, b + iMin)) {
        ShowQualityStatics(request, false);
        return;
    }
    const std::optional<double> quality =
        PeakQuality(std::span(buffers.SpectrumRows).first(count),
                    std::span(buffers.BinFrequencies).first(count), b);
    if (!quality) {
        ShowQualityStatics(request, false);
        return;
    }
    const double peakFrequency = buffers.BinFrequencies[b];
    request.QualityValue = static_cast<float>(*quality);
    if (request.SpectrumMode == kSpectrumProduct) {
        StoreQuality(*table, request.PointNumber - 1, peakFrequency, *quality);
    }
}

void StoreQuality(QualityTable& table, std::uint32_t pointIndex, double peakFrequency,
                  double quality) {
    if (table.QualityCount >= static_cast<std::int32_t>(kMaxQualityRecords)) {
        ReportError(kErrQualityTableFull, true);
        return;
    }
    table.QualityRecords[static_cast<std::size_t>(table.QualityCount)] = {pointIndex, peakFrequency,
                                                                          quality};
    ++table.QualityCount;
}

void SaveQuality(QualityTable& table, SaveFileChooser& chooser) {
    if (table.QualityCount < 1) {
        ReportError(kErrNoDataToSave, true);
        return;
    }
    const SaveOutcome outcome =
        SaveTextFile(chooser, kQualityFileName, [&table](std::ostream& out) {
            for (std::int32_t k = 0; k < table.QualityCount; ++k) {
                const QualityRecord& record = table.QualityRecords[static_cast<std::size_t>(k)];
                out << record.PointIndex << "  " << FormatDefault(record.PeakFrequency) << "  "
                    << FormatDefault(record.Quality) << '\n';
            }
        });
    if (outcome == SaveOutcome::Written) {
        table.QualityCount = 0;
    }
}

}  // namespace karvelo
