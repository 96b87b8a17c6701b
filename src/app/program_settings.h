// What the desktop program keeps from one start to the next, in Qt's settings of its
// organisation and application. The analysis fields are not kept: each start gives them
// their start values.
#pragma once

#include <QByteArray>
#include <QString>
#include <string>
#include <vector>

#include "common/language.h"
#include "report/object_info.h"

namespace karvelo {

inline constexpr const char* kOrganisationName = "Local AppWizard-Generated Applications";
inline constexpr const char* kApplicationName = "Karvelo";

// Recent sources the File menu lists.
inline constexpr std::size_t kRecentSourceCount = 4;

Language SavedLanguage();
void SaveLanguage(Language language);

// The folder and the file-type filter (its place in the dialog's list) of the last
// recordings chosen from disk; an empty folder and -1 before the first choice.
struct RecordingsPlace {
    QString Folder;
    int Filter = -1;
};
RecordingsPlace SavedRecordingsPlace();
void SaveRecordingsPlace(const RecordingsPlace& place);

// Recordings loaded from disk, the latest first, at most kRecentSourceCount; each source
// is the list of its files.
std::vector<std::vector<std::string>> RecentSources();
// Puts files first among the recent sources (moving them up when already there).
void AddRecentSource(const std::vector<std::string>& files);

// The report's object block as last entered (empty fields before the first entry).
ObjectInfo SavedObjectInfo();
void SaveObjectInfo(const ObjectInfo& info);

QByteArray SavedWindowGeometry();
void SaveWindowGeometry(const QByteArray& geometry);

}  // namespace karvelo
