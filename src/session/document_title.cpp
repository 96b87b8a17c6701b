#include "session/document_title.h"

namespace karvelo {

namespace {

// "файл", "файла" or "файлов" as Russian counts them.
const char* FilesWord(std::size_t count) {
    const std::size_t lastTwo = count % 100;
    const std::size_t last = count % 10;
    if (lastTwo >= 11 && lastTwo <= 14) {
        return "файлов";
    }
    if (last == 1) {
        return "файл";
    }
    return last >= 2 && last <= 4 ? "файла" : "файлов";
}

}  // namespace

std::string BuiltInProfileName(std::uint32_t builtIn, Language language) {
    return builtIn == 0 ? InLanguage(language, "Файл 1", "File 1")
                        : InLanguage(language, "Файл 2", "File 2");
}

std::string DocumentTitle(const Document& document, Language language) {
    std::string title = kProgramTitle;
    if (!document.CurrentProfile().Loaded()) {
        return title;
    }
    const std::vector<std::string>& files = document.LoadedSource.Files;
    title += " — ";
    if (files.empty()) {
        return title + BuiltInProfileName(document.LoadedSource.BuiltIn, language);
    }
    title += FileName(files.front());
    if (files.size() > 1) {
        title += " … (" + std::to_string(files.size()) + " " +
                 (language == Language::English ? "files" : FilesWord(files.size())) + ")";
    }
    return title;
}

}  // namespace karvelo
