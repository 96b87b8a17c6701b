#include "common/text_file.h"

#include <fstream>

namespace karvelo {

bool WriteTextFile(const std::string& path, const std::function<void(std::ostream&)>& writeLines) {
    std::ofstream file(path, std::ios::out | std::ios::trunc);
    if (!file) {
        return false;
    }
    writeLines(file);
    file.close();
    return !file.fail();
}

}  // namespace karvelo
