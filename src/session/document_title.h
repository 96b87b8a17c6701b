// The main window's title: the program's name, then what the document has loaded.
#pragma once

#include <string>

#include "common/language.h"
#include "session/document.h"

namespace karvelo {

inline constexpr const char* kProgramTitle = "Karvelo demo version";

// "Karvelo demo version" with nothing loaded; then " — " and the built-in profile's
// name ("Файл 1"), the file's name, or the first file's name and the count
// ("B-02.txt … (28 файлов)"; in English "File 1", "B-02.txt … (28 files)").
std::string DocumentTitle(const Document& document, Language language = Language::Russian);

// The name of built-in profile builtIn (0: "Файл 1", other: "Файл 2"; "File 1", "File 2").
std::string BuiltInProfileName(std::uint32_t builtIn, Language language);

}  // namespace karvelo
