#include "tools/devservice/jsonfiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>

namespace devservice {

namespace {

bool fail(std::string* error, const std::string& message) {
    if (error)
        *error = message;
    return false;
}

bool writeAll(int fd, const std::string& content) {
    const char* data = content.data();
    std::size_t left = content.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

} // namespace

bool parseJsonObject(const std::string& text, Json::Value& out) {
    Json::CharReaderBuilder builder;
    const std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    Json::Value value;
    std::string errors;
    if (!reader->parse(text.data(), text.data() + text.size(), &value, &errors) ||
        !value.isObject())
        return false;
    out = std::move(value);
    return true;
}

std::string compactJson(const Json::Value& value) {
    Json::StreamWriterBuilder builder;
    builder["indentation"] = "";
    return Json::writeString(builder, value);
}

bool readJsonFile(const std::string& path, Json::Value& out, std::string* error) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return fail(error, path + ": " + std::strerror(errno));
    std::ostringstream content;
    content << file.rdbuf();
    if (!parseJsonObject(content.str(), out))
        return fail(error, path + ": not a JSON object");
    return true;
}

bool readJsonFileIfThere(const std::string& path, Json::Value& out, std::string* error) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 && errno == ENOENT) {
        out = Json::Value(Json::objectValue);
        return true;
    }
    return readJsonFile(path, out, error);
}

bool writeFileAtomically(const std::string& path, const std::string& content, std::string* error,
                         unsigned mode) {
    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return fail(error, path + ": " + std::strerror(errno));
    // mkstemp made it 0600, so the content is never readable wider than `mode`.
    const bool written =
        ::fchmod(fd, static_cast<mode_t>(mode)) == 0 && writeAll(fd, content) && ::fsync(fd) == 0;
    const int savedErrno = errno;
    ::close(fd);
    if (!written || std::rename(temporary.c_str(), path.c_str()) != 0) {
        const std::string reason = std::strerror(written ? errno : savedErrno);
        ::unlink(temporary.c_str());
        return fail(error, path + ": " + reason);
    }
    return true;
}

} // namespace devservice
