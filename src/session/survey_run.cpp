#include "session/survey_run.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>

#include "common/error_messages.h"
#include "profile/profile_loader.h"

namespace karvelo {

namespace {

// Keeps the messages of a worker thread for the thread that started it.
class KeptMessages : public MessageSink {
  public:
    void Show(const std::string& text) override {
        if (texts.empty()) {
            texts.push_back(text);
        }
    }
    std::vector<std::string> texts;
};

// The shared state of one survey's workers.
struct SurveyWork {
    SurveyWork(const SurveySettings& s, const std::vector<GridPosition>& p, bool keepPeaks)
        : settings(s), positions(p), values(p.size()), peaks(keepPeaks ? p.size() : 0) {}

    const SurveySettings& settings;
    const std::vector<GridPosition>& positions;
    std::vector<std::optional<double>> values;
    std::vector<std::optional<PositionPeaks>> peaks;  // when asked for: one per position
    std::atomic<std::size_t> next{0};
    std::atomic<std::size_t> done{0};
    std::atomic<bool> stop{false};
    std::mutex lock;  // guards the two fields below
    std::optional<std::size_t> refusedAt;
    std::string refusal;
    std::string computeMessage;
};

PointReport PositionReport(const SurveySettings& settings, const Profile& profile,
                           AnalysisBuffers& buffers, bool listMaxima) {
    AnalysisRequest request = settings.Request;
    // The trace number stays inside the position's hits, as the form keeps it.
    if (profile.TracesPerPoint > 0 && request.TraceNumber >= profile.TracesPerPoint) {
        request.TraceNumber = profile.TracesPerPoint - 1;
    }
    ReportSettings report = settings.Report;
    report.ListMaxima = listMaxima;
    return ReportPoint(profile, buffers, request, report, 0);
}

std::optional<double> PositionValue(const SurveySettings& settings, const PointReport& row) {
    if (!row.HasPeak) {
        return std::nullopt;
    }
    return settings.Value == SurveyValue::Result ? row.Result : std::optional(row.RefinedFrequency);
}

// One worker: takes positions in turn until none are left or the survey stops.
void Work(SurveyWork& work) {
    KeptMessages messages;
    SetThreadMessageSink(&messages);
    const auto profile = std::make_unique<Profile>();
    const auto buffers = std::make_unique<AnalysisBuffers>();
    const SurveySettings& settings = work.settings;
    for (std::size_t i = work.next++; i < work.positions.size() && !work.stop; i = work.next++) {
        const std::vector<std::string>& files = work.positions[i].Files;
        ClearImage(profile->image);
        messages.texts.clear();
        if (!LoadProfileFiles(*profile, files, settings.ChannelMode,
                              static_cast<std::uint32_t>(files.size()), settings.Options)) {
            const std::lock_guard<std::mutex> guard(work.lock);
            if (!work.refusedAt || i < *work.refusedAt) {
                work.refusedAt = i;
                work.refusal = messages.texts.empty() ? std::string() : messages.texts.front();
            }
            work.stop = true;
            break;
        }
        const bool keepPeaks = !work.peaks.empty();
        PointReport row = PositionReport(settings, *profile, *buffers, keepPeaks);
        work.values[i] = PositionValue(settings, row);
        if (keepPeaks && row.HasPeak) {
            work.peaks[i] = PositionPeaks{row.RefinedFrequency, std::move(row.Maxima)};
        }
        if (!messages.texts.empty()) {
            const std::lock_guard<std::mutex> guard(work.lock);
            if (work.computeMessage.empty()) {
                work.computeMessage = messages.texts.front();
            }
        }
        ++work.done;
    }
    SetThreadMessageSink(nullptr);
}

void ShowMessage(const std::string& text) {
    if (!text.empty() && CurrentMessageSink() != nullptr) {
        CurrentMessageSink()->Show(text);
    }
}

}  // namespace

std::optional<std::vector<std::optional<double>>> RunSurvey(
    const SurveySettings& settings, const std::vector<GridPosition>& positions,
    const SurveyProgress& progress, std::vector<std::optional<PositionPeaks>>* peaks) {
    SurveyWork work(settings, positions, peaks != nullptr);
    const unsigned threads = std::max(1U, settings.Threads);
    // With a progress to tell, every worker is a thread of its own and this thread tells
    // the progress; otherwise this thread is one of the workers.
    const unsigned spawned = progress ? threads : threads - 1;
    std::vector<std::thread> workers;
    for (unsigned t = 0; t < spawned && t < positions.size(); ++t) {
        try {
            workers.emplace_back([&work] { Work(work); });
        } catch (const std::system_error&) {
            break;  // fewer workers, the same values
        }
    }
    bool cancelled = false;
    if (progress && !workers.empty()) {
        constexpr auto kPoll = std::chrono::milliseconds(10);
        std::size_t shown = 0;
        for (;;) {
            const std::size_t done = work.done;
            const bool over = done == positions.size() || work.stop;
            if (done != shown) {
                shown = done;
                if (!progress(done, positions.size())) {
                    cancelled = true;
                    work.stop = true;
                }
            }
            if (over || cancelled) {
                break;
            }
            std::this_thread::sleep_for(kPoll);
        }
    } else {
        Work(work);
    }
    for (std::thread& worker : workers) {
        worker.join();
    }
    if (work.refusedAt) {
        ShowMessage(work.refusal);
        return std::nullopt;
    }
    if (cancelled || work.done != positions.size()) {
        return std::nullopt;
    }
    ShowMessage(work.computeMessage);
    if (peaks != nullptr) {
        *peaks = std::move(work.peaks);
    }
    return std::move(work.values);
}

SurveySettings FormSurveySettings(FormSession& session, int channelMode, SurveyValue value) {
    SurveySettings settings;
    settings.Request = session.FormRequest();
    settings.Report = session.CurrentReportSettings();
    settings.Report.CheckEachHit = false;  // a cell shows the point's peak only
    settings.ChannelMode = channelMode;
    settings.Options = session.Doc().LoadedSource.Options;
    settings.Value = value;
    return settings;
}

bool OpenSurveyRow(FormSession& session, const std::vector<GridPosition>& positions,
                   const std::string& row, std::uint32_t column, int channelMode,
                   const SourceOptions& options) {
    std::vector<std::string> files;
    std::optional<std::size_t> hits;
    std::uint32_t point = 0;
    std::uint32_t index = 0;
    for (const GridPosition& position : positions) {
        if (position.Row != row) {
            continue;
        }
        if (hits && *hits != position.Files.size()) {
            ReportError(kErrInvalidHits, true,
                        row + ": the positions of the row have different numbers of files");
            return false;
        }
        hits = position.Files.size();
        files.insert(files.end(), position.Files.begin(), position.Files.end());
        if (position.Column == column) {
            point = index;
        }
        ++index;
    }
    if (files.empty()) {
        return false;
    }
    const std::int32_t fMin = session.State().FMin;
    const std::int32_t fMax = session.State().FMax;
    bool loaded = false;
    const ProfileSourceChoice source{files, options};
    session.OnFileOpen([&] {
        loaded = session.Doc().Load(
            [&](Profile& profile) {
                return LoadProfileFiles(profile, files, channelMode,
                                        static_cast<std::uint32_t>(*hits), source.Options);
            },
            source);
    });
    if (!loaded) {
        return false;
    }
    // The post-load refresh resets the band; the survey's band is put back.
    session.SetBand(fMin, fMax);
    session.SelectPoint(point);
    return true;
}

}  // namespace karvelo
