#pragma once
// JSON in and out of the stand-in: request bodies, replies and the files of its store.
#include <json/json.h>

#include <string>

namespace devservice {

// Object roots only; anything else (an array, a number, broken text) is refused.
bool parseJsonObject(const std::string& text, Json::Value& out);

std::string compactJson(const Json::Value& value);

// Whole-file read; false when the file is missing or not a JSON object.
bool readJsonFile(const std::string& path, Json::Value& out, std::string* error = nullptr);
// The same for a file that may not be there yet: then `out` is an empty object.
bool readJsonFileIfThere(const std::string& path, Json::Value& out, std::string* error = nullptr);
// Writes a temporary file beside `path` and renames it over, so readers never see
// half a file. The file gets `mode` (0600 for a key), never wider for a moment.
bool writeFileAtomically(const std::string& path, const std::string& content,
                         std::string* error = nullptr, unsigned mode = 0644);

} // namespace devservice
