#include "report/source_files.h"

namespace karvelo {

namespace {

std::string BaseNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::string DescribeSourceFiles(const std::vector<std::string>& paths, Language language) {
    if (paths.empty()) {
        return InLanguage(language, "встроенный профиль", "built-in profile");
    }
    if (paths.size() <= kNamesListed) {
        std::string text;
        for (const std::string& path : paths) {
            text += text.empty() ? "" : ", ";
            text += BaseNameOf(path);
        }
        return text;
    }
    return std::to_string(paths.size()) + InLanguage(language, " файлов: ", " files: ") +
           BaseNameOf(paths.front()) + " … " + BaseNameOf(paths.back());
}

}  // namespace karvelo
