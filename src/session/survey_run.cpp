#include "session/survey_run.h"

#include "common/error_messages.h"
#include "profile/profile_loader.h"

namespace karvelo {

namespace {

// Loads files with hits per point through File > Open's path, then puts the form's band
// back (the post-load refresh resets it).
bool OpenFiles(FormSession& session, const std::vector<std::string>& files, std::uint32_t hits,
               int channelMode) {
    const std::int32_t fMin = session.State().FMin;
    const std::int32_t fMax = session.State().FMax;
    bool loaded = false;
    session.OnFileOpen(
        [&] { loaded = LoadProfileFiles(files, channelMode, hits, SourceOptions{}); });
    if (loaded) {
        session.SetBand(fMin, fMax);
    }
    return loaded;
}

}  // namespace

std::optional<std::vector<std::optional<double>>> RunSurvey(
    FormSession& session, const std::vector<GridPosition>& positions, int channelMode,
    SurveyValue value, const SurveyProgress& progress) {
    session.ReadForm();
    std::vector<std::optional<double>> values;
    for (std::size_t i = 0; i < positions.size(); ++i) {
        const GridPosition& position = positions[i];
        if (!OpenFiles(session, position.Files, static_cast<std::uint32_t>(position.Files.size()),
                       channelMode)) {
            return std::nullopt;
        }
        // The next position's load redraws the form anyway.
        const std::vector<PointReport> rows = session.ProfileReport(i + 1 == positions.size());
        std::optional<double> cell;
        if (!rows.empty() && rows.front().HasPeak) {
            cell = value == SurveyValue::Result ? rows.front().Result
                                                : std::optional(rows.front().RefinedFrequency);
        }
        values.push_back(cell);
        if (progress && !progress(i + 1, positions.size())) {
            return std::nullopt;
        }
    }
    return values;
}

bool OpenSurveyRow(FormSession& session, const std::vector<GridPosition>& positions,
                   const std::string& row, std::uint32_t column, int channelMode) {
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
    if (files.empty() ||
        !OpenFiles(session, files, static_cast<std::uint32_t>(*hits), channelMode)) {
        return false;
    }
    session.SelectPoint(point);
    return true;
}

}  // namespace karvelo
