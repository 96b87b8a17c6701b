#include "app/status_texts.h"

#include "analysis/frequency_axis.h"
#include "app/ui_text.h"
#include "plot/round_half_up.h"
#include "session/document.h"
#include "session/form_session.h"

namespace karvelo {

QString LoadedSummary(const Document& document) {
    const Profile& profile = document.CurrentProfile();
    if (!document.ProfileShown || !profile.Loaded()) {
        return {};
    }
    const ProfileSourceChoice& source = document.LoadedSource;
    const QString name =
        source.Files.empty()
            ? Translate(KTR("StatusBar", "Встроенный профиль %1")).arg(source.BuiltIn == 0 ? 1 : 2)
            : QString::fromStdString(DescribeFiles(source.Files));
    const std::uint32_t samples = SamplesPerTrace(profile.image);
    const std::uint32_t interval = SampleInterval(profile.image);
    const bool microseconds = TimeInMicroseconds(samples, profile.Unit);
    const QString unit =
        microseconds ? Translate(KTR("StatusBar", "мкс")) : Translate(KTR("StatusBar", "пс"));
    const FrequencyAxis axis = MakeFrequencyAxis(samples, interval, profile.Unit);
    return Translate(KTR("StatusBar",
                         "%1 — трасс: %2, точек: %3, ударов на точку: %4, шаг: %5 %6, "
                         "запись: %7 %6, шаг частоты: %8 Гц"))
        .arg(name)
        .arg(profile.TracesPerPoint * profile.PointCount)
        .arg(profile.PointCount)
        .arg(profile.HitsPerPoint)
        .arg(interval)
        .arg(unit)
        .arg(static_cast<qulonglong>(samples) * interval)
        .arg(axis.Step, 0, 'g', 6);
}

QString SpectrumReadout(const SpectrumReading& reading) {
    return Translate(KTR("StatusBar", "Частота %1 Гц, амплитуда %2"))
        .arg(reading.Frequency, 0, 'f', 1)
        .arg(reading.Amplitude, 0, 'g', 4);
}

QString TraceReadout(const TraceReading& reading, bool microseconds) {
    const QString text = microseconds
                             ? Translate(KTR("StatusBar", "Трасса %1, время %2 мкс, амплитуда %3"))
                             : Translate(KTR("StatusBar", "Трасса %1, время %2 пс, амплитуда %3"));
    return text.arg(reading.Trace).arg(reading.Time).arg(reading.Amplitude, 0, 'g', 6);
}

QString MapReadout(const MapReading& reading) {
    return Translate(KTR("StatusBar", "Точка %1, частота %2 Гц, значение %3"))
        .arg(RoundHalfUp(reading.Point), 0, 'f', 0)
        .arg(reading.Frequency, 0, 'f', 1)
        .arg(reading.Value, 0, 'g', 4);
}

QString ReadoutAt(const FormSession& session, int x, int y) {
    if (const auto spectrum = session.SpectrumAt(x, y)) {
        return SpectrumReadout(*spectrum);
    }
    if (const auto map = session.ProfileMapAt(x, y)) {
        return MapReadout(*map);
    }
    if (const auto traces = session.TracesAt(x, y)) {
        const Profile& profile = session.Doc().CurrentProfile();
        return TraceReadout(*traces,
                            TimeInMicroseconds(SamplesPerTrace(profile.image), profile.Unit));
    }
    return {};
}

}  // namespace karvelo
