#include "plot/plot_panels.h"

#include <string>

#include "profile/profile_image.h"

namespace karvelo {

namespace {

PlotLayout Panel(int left, int top, int width, int height, std::string xCaption,
                 std::string yCaption, std::uint8_t labelStep, float axisStep) {
    PlotLayout layout;
    layout.Left = left;
    layout.Top = top;
    layout.Width = width;
    layout.Height = height;
    layout.DrawFrame = true;
    layout.ShowXCaption = true;
    layout.ShowYCaption = true;
    layout.XCaption = std::move(xCaption);
    layout.YCaption = std::move(yCaption);
    layout.SeriesTicks = true;
    layout.AxisTicks = true;
    layout.LabelStep = labelStep;
    layout.AxisStep = axisStep;
    return layout;
}

}  // namespace

PlotLayout TracePanelLayout(std::uint16_t samplesPerTrace, std::uint16_t sampleInterval,
                            TimeUnit unit) {
    const bool timeTraces = TimeInMicroseconds(samplesPerTrace, unit);
    return Panel(kTracePanelLeft, kTracePanelTop, kTracePanelWidth, kTracePanelHeight,
                 timeTraces ? "Trace number" : "Distance, mm.",
                 timeTraces ? "Time, mks." : "Time, ps.", 1, static_cast<float>(sampleInterval));
}

PlotLayout SpectrumPanelLayout(float frequencyStep) {
    return Panel(kSpectrumPanelLeft, kSpectrumPanelTop, kSpectrumPanelWidth, kSpectrumPanelHeight,
                 "Frequency,Hz.", "Amplitude", kCurveLabelStep, frequencyStep);
}

PlotLayout ProfileMapLayout(float frequencyStep) {
    return Panel(kProfileMapLeft, kProfileMapTop, kProfileMapWidth, kProfileMapHeight,
                 "Point number", "Frequency,Hz.", 1, frequencyStep);
}

PlotLayout CorrelationPanelLayout(std::uint16_t sampleInterval) {
    return Panel(kCorrelationPanelLeft, kCorrelationPanelTop, kCorrelationPanelWidth,
                 kCorrelationPanelHeight, "Time, mks.", "Amplitude", kCurveLabelStep,
                 static_cast<float>(sampleInterval));
}

}  // namespace karvelo
