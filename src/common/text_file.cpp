#include "common/text_file.h"

#include <cerrno>
#include <sstream>

#include "common/atomic_file.h"

namespace karvelo {

bool WriteTextFile(const std::string& path, const std::function<void(std::ostream&)>& writeLines) {
    // Composed in memory and written in one go, so a failing disk reports its own reason.
    std::ostringstream text;
    writeLines(text);
    if (text.fail()) {
        errno = EIO;
        return false;
    }
    const std::string bytes = std::move(text).str();
    return WriteFileAtomically(path, std::span<const char>(bytes.data(), bytes.size()));
}

}  // namespace karvelo
