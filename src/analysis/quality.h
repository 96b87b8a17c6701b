// Quality factor of a clicked spectral peak, and the table of collected values.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "analysis/analysis_request.h"
#include "common/save_file_chooser.h"

namespace karvelo {

inline constexpr std::size_t kMaxQualityRecords = 1000;

struct QualityRecord {
    std::uint32_t PointIndex = 0;  // 0-based point, as the form shows it
    double PeakFrequency = 0.0;    // Hz
    double Quality = 0.0;
    friend bool operator==(const QualityRecord&, const QualityRecord&) = default;
};

// The quality values collected by clicks on maxima of the product spectrum.
struct QualityTable {
    bool QualityDisplayOn = false;  // menu item "Вкл. отображение" checked
    std::int32_t QualityCount = 0;
    std::array<QualityRecord, kMaxQualityRecords> QualityRecords{};
};

struct AnalysisBuffers;

// The quality factor of the maximum at bin b of a band spectrum (spectrum and its whole-Hz
// frequencies, both band-relative): F_b over the width between the first bins at or
// below 1/sqrt(2) of the peak on either side. None when the curve rises again first,
// the band ends first, or the width is not positive.
std::optional<double> PeakQuality(std::span<const float> spectrum,
                                  std::span<const std::uint32_t> frequencies, std::uint32_t b);

// b: the clicked bin, band-relative; iMin: the band's first bin (full numbering);
// count: bins in the band. Shows/hides statics 1053/1054, writes QualityValue and in
// mode 2 stores a record in table. Does nothing without a table or while its
// QualityDisplayOn is false.
void ComputeQuality(const AnalysisBuffers& buffers, QualityTable* table, AnalysisRequest& request,
                    std::uint32_t b, std::uint32_t iMin, std::uint32_t count);

// Appends a record; with 1000 stored reports error 9 (plain) and stores nothing.
void StoreQuality(QualityTable& table, std::uint32_t pointIndex, double peakFrequency,
                  double quality);

// "Сохранить в файл": error 10 when empty; asks for a file ("quality.txt"); writes one
// line per record and empties the table only when the whole file was written, otherwise
// reports error 11 with its code line and keeps the table. A cancel changes nothing.
void SaveQuality(QualityTable& table, SaveFileChooser& chooser);

}  // namespace karvelo
