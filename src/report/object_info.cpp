#include "report/object_info.h"

namespace karvelo {

std::optional<std::size_t> ObjectFieldIndex(std::string_view key) {
    for (std::size_t i = 0; i < kObjectFields.size(); ++i) {
        if (key == kObjectFields[i].Key) {
            return i;
        }
    }
    return std::nullopt;
}

std::string SetObjectField(ObjectInfo& info, const std::string& assignment) {
    std::string keys;
    for (const ObjectField& field : kObjectFields) {
        keys += keys.empty() ? "" : ", ";
        keys += field.Key;
    }
    const std::size_t equals = assignment.find('=');
    if (equals == std::string::npos) {
        return "'" + assignment + "' is not KEY=VALUE (keys: " + keys + ")";
    }
    const std::string key = assignment.substr(0, equals);
    const std::optional<std::size_t> index = ObjectFieldIndex(key);
    if (!index) {
        return "unknown key '" + key + "' (keys: " + keys + ")";
    }
    info[*index] = assignment.substr(equals + 1);
    return {};
}

}  // namespace karvelo
