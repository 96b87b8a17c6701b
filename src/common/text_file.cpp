#include "common/text_file.h"

#include <fstream>

#include "common/atomic_file.h"

namespace karvelo {

bool WriteTextFile(const std::string& path, const std::function<void(std::ostream&)>& writeLines) {
    return ReplaceFileAtomically(path, [&writeLines](const std::string& tempPath) {
        std::ofstream file(tempPath, std::ios::out | std::ios::trunc);
        if (!file) {
            return false;
        }
        writeLines(file);
        file.close();
        return !file.fail();
    });
}

}  // namespace karvelo
