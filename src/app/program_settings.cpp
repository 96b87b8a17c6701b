#include "app/program_settings.h"

#include <QSettings>
#include <QStringList>
#include <algorithm>

namespace karvelo {

namespace {

QSettings Settings() {
    return QSettings(QString::fromLatin1(kOrganisationName), QString::fromLatin1(kApplicationName));
}

}  // namespace

Language SavedLanguage() {
    return Settings().value(QStringLiteral("Interface/Language")).toString() == QStringLiteral("en")
               ? Language::English
               : Language::Russian;
}

void SaveLanguage(Language language) {
    Settings().setValue(QStringLiteral("Interface/Language"), language == Language::English
                                                                  ? QStringLiteral("en")
                                                                  : QStringLiteral("ru"));
}

RecordingsPlace SavedRecordingsPlace() {
    QSettings settings = Settings();
    return {settings.value(QStringLiteral("Recordings/Folder")).toString(),
            settings.value(QStringLiteral("Recordings/Filter"), -1).toInt()};
}

void SaveRecordingsPlace(const RecordingsPlace& place) {
    QSettings settings = Settings();
    settings.setValue(QStringLiteral("Recordings/Folder"), place.Folder);
    settings.setValue(QStringLiteral("Recordings/Filter"), place.Filter);
}

std::vector<std::vector<std::string>> RecentSources() {
    QSettings settings = Settings();
    std::vector<std::vector<std::string>> sources;
    const int count = settings.beginReadArray(QStringLiteral("RecentSources"));
    for (int i = 0; i < count && sources.size() < kRecentSourceCount; ++i) {
        settings.setArrayIndex(i);
        std::vector<std::string> files;
        for (const QString& file : settings.value(QStringLiteral("Files")).toStringList()) {
            files.push_back(file.toStdString());
        }
        if (!files.empty()) {
            sources.push_back(std::move(files));
        }
    }
    settings.endArray();
    return sources;
}

void AddRecentSource(const std::vector<std::string>& files) {
    std::vector<std::vector<std::string>> sources = RecentSources();
    std::erase(sources, files);
    sources.insert(sources.begin(), files);
    sources.resize(std::min(sources.size(), kRecentSourceCount));
    QSettings settings = Settings();
    settings.beginWriteArray(QStringLiteral("RecentSources"), static_cast<int>(sources.size()));
    for (std::size_t i = 0; i < sources.size(); ++i) {
        settings.setArrayIndex(static_cast<int>(i));
        QStringList list;
        for (const std::string& file : sources[i]) {
            list << QString::fromStdString(file);
        }
        settings.setValue(QStringLiteral("Files"), list);
    }
    settings.endArray();
}

ObjectInfo SavedObjectInfo() {
    QSettings settings = Settings();
    ObjectInfo info;
    for (std::size_t i = 0; i < kObjectFields.size(); ++i) {
        info[i] =
            settings.value(QStringLiteral("ReportObject/") + QLatin1String(kObjectFields[i].Key))
                .toString()
                .toStdString();
    }
    return info;
}

void SaveObjectInfo(const ObjectInfo& info) {
    QSettings settings = Settings();
    for (std::size_t i = 0; i < kObjectFields.size(); ++i) {
        settings.setValue(QStringLiteral("ReportObject/") + QLatin1String(kObjectFields[i].Key),
                          QString::fromStdString(info[i]));
    }
}

QByteArray SavedWindowGeometry() {
    return Settings().value(QStringLiteral("MainWindow/Geometry")).toByteArray();
}

void SaveWindowGeometry(const QByteArray& geometry) {
    Settings().setValue(QStringLiteral("MainWindow/Geometry"), geometry);
}

}  // namespace karvelo
