#include "plot/trace_reading.h"

#include <vector>

#include "plot/axis_mapping.h"
#include "plot/draw_plot.h"
#include "plot/series_values.h"

namespace karvelo {

SeriesSet PointTraces(const Profile& profile, std::uint32_t point) {
    const std::size_t firstRecord = static_cast<std::size_t>(point) * profile.TracesPerPoint;
    SeriesSet series;
    series.First = profile.image.bytes.data() + SampleOffset(firstRecord, 0);
    series.Stride = kTraceRecordBytes;
    series.Format = SampleFormat(profile.image);
    series.Count = profile.TracesPerPoint;
    return series;
}

std::optional<TraceReading> ReadTracesAt(int x, int y, const PlotLayout& layout, PlotMode mode,
                                         const SeriesSet& traces,
                                         std::span<const std::uint32_t> sampleTimes) {
    const int step = SeriesPixelStep(layout, mode, traces.Count);
    if (!layout.FrameContains(x, y) || step <= 0 || sampleTimes.empty() ||
        traces.First == nullptr) {
        return std::nullopt;
    }
    const auto trace = static_cast<std::uint32_t>((x - layout.FrameLeft()) / step);
    if (trace >= traces.Count) {
        return std::nullopt;
    }
    const std::vector<double> times = ReadAxisValues(sampleTimes, kFormatInt32);
    const double time = AxisValueMapping(layout, mode, times).ValueFor(y);
    const std::size_t sample = NearestIndex(std::span<const double>(times), time);
    const std::vector<double> values =
        ReadSeries(traces.First + trace * traces.Stride, nullptr, traces.Format, sample + 1);
    return TraceReading{trace, sampleTimes[sample], values[sample]};
}

}  // namespace karvelo
