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

// The words of the panels' captions in one language.
struct CaptionWords {
    const char* TraceNumber;
    const char* Distance;
    const char* TimeMicroseconds;
    const char* TimePicoseconds;
    const char* Frequency;
    const char* Amplitude;
    const char* PointNumber;
};

constexpr CaptionWords kRussianCaptions = {"Trace number", "Distance, mm.", "Time, mks.",
                                           "Time, ps.",    "Frequency,Hz.", "Amplitude",
                                           "Point number"};
constexpr CaptionWords kEnglishCaptions = {"Trace number", "Distance, mm",  "Time, µs",
                                           "Time, ps",     "Frequency, Hz", "Amplitude",
                                           "Point number"};

const CaptionWords& Captions(Language language) {
    return language == Language::English ? kEnglishCaptions : kRussianCaptions;
}

}  // namespace

PlotLayout TracePanelLayout(std::uint16_t samplesPerTrace, std::uint16_t sampleInterval,
                            TimeUnit unit, Language language) {
    const bool timeTraces = TimeInMicroseconds(samplesPerTrace, unit);
    const CaptionWords& words = Captions(language);
    return Panel(kTracePanelLeft, kTracePanelTop, kTracePanelWidth, kTracePanelHeight,
                 timeTraces ? words.TraceNumber : words.Distance,
                 timeTraces ? words.TimeMicroseconds : words.TimePicoseconds, 1,
                 static_cast<float>(sampleInterval));
}

PlotLayout SpectrumPanelLayout(float frequencyStep, Language language) {
    const CaptionWords& words = Captions(language);
    return Panel(kSpectrumPanelLeft, kSpectrumPanelTop, kSpectrumPanelWidth, kSpectrumPanelHeight,
                 words.Frequency, words.Amplitude, kCurveLabelStep, frequencyStep);
}

PlotLayout ProfileMapLayout(float frequencyStep, Language language) {
    const CaptionWords& words = Captions(language);
    return Panel(kProfileMapLeft, kProfileMapTop, kProfileMapWidth, kProfileMapHeight,
                 words.PointNumber, words.Frequency, 1, frequencyStep);
}

PlotLayout CorrelationPanelLayout(std::uint16_t sampleInterval, Language language) {
    const CaptionWords& words = Captions(language);
    return Panel(kCorrelationPanelLeft, kCorrelationPanelTop, kCorrelationPanelWidth,
                 kCorrelationPanelHeight, words.TimeMicroseconds, words.Amplitude, kCurveLabelStep,
                 static_cast<float>(sampleInterval));
}

}  // namespace karvelo
