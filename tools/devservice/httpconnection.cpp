#include "tools/devservice/httpconnection.h"

#include <openssl/err.h>
#include <strings.h>
#include <sys/socket.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <sstream>

namespace devservice {

namespace {

constexpr std::size_t kReadChunk = 16 * 1024;
constexpr std::size_t kChunkLineLimit = 1024;

bool containsToken(const std::optional<std::string>& value, const char* token) {
    if (!value)
        return false;
    std::string lower = *value;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower.find(token) != std::string::npos;
}

bool clientWantsClose(const Request& request) {
    const auto connection = request.header("Connection");
    if (request.version == "HTTP/1.0")
        return !containsToken(connection, "keep-alive");
    return containsToken(connection, "close");
}

// Strict decimal or hexadecimal digits only: "12abc", "-1" and "" are refused.
std::optional<std::uint64_t> parseNumber(const std::string& text, int base) {
    if (text.empty() || text.size() > 16)
        return std::nullopt;
    for (char c : text) {
        const bool digit = base == 16 ? std::isxdigit(static_cast<unsigned char>(c)) != 0
                                      : std::isdigit(static_cast<unsigned char>(c)) != 0;
        if (!digit)
            return std::nullopt;
    }
    return std::strtoull(text.c_str(), nullptr, base);
}

} // namespace

HttpConnection::HttpConnection(int fd, SSL_CTX* tls, const HttpServer::Handler& handler,
                               const HttpLimits& limits, const std::atomic<bool>& stopping,
                               const HttpServer::StreamSelector& streams)
    : fd_(fd), handler_(handler), limits_(limits), stopping_(stopping), streams_(streams) {
    if (tls) {
        ssl_ = SSL_new(tls);
        if (ssl_)
            SSL_set_fd(ssl_, fd);
    }
}

HttpConnection::~HttpConnection() {
    if (ssl_)
        SSL_free(ssl_);
}

void HttpConnection::run() {
    if (ssl_ && SSL_accept(ssl_) != 1) {
        ERR_clear_error(); // a client that distrusts our CA ends here
        return;
    }
    while (!stopping_) {
        Request request;
        ReadResult result = readHead(request);
        if (result == ReadResult::TooLarge)
            return refuse(431);
        if (result == ReadResult::Ok)
            result = streams_ && streams_(request) ? openStream(request) : readBody(request);
        if (result == ReadResult::Closed)
            return;
        if (result != ReadResult::Ok)
            return refuse(result == ReadResult::TooLarge ? 413 : 400);

        Response response;
        try {
            response = handler_(request);
        } catch (const std::exception& e) {
            response = Response();
            response.status = 500;
            response.body = std::string("handler failed: ") + e.what();
        }
        if (!closeStream(!response.dropConnection || response.readRequestFirst))
            return;
        if (!answer(request, std::move(response)))
            return;
    }
}

long HttpConnection::receive(char* buffer, std::size_t size) {
    if (ssl_) {
        std::size_t got = 0;
        return SSL_read_ex(ssl_, buffer, size, &got) == 1 ? static_cast<long>(got) : -1;
    }
    for (;;) {
        const long got = ::recv(fd_, buffer, size, 0);
        if (got >= 0 || errno != EINTR)
            return got;
    }
}

bool HttpConnection::send(const char* data, std::size_t size) {
    while (size > 0) {
        if (stopping_)
            return false;
        std::size_t written = 0;
        if (ssl_) {
            if (SSL_write_ex(ssl_, data, size, &written) != 1)
                return false;
        } else {
            const long sent = ::send(fd_, data, size, MSG_NOSIGNAL);
            if (sent < 0 && errno == EINTR)
                continue;
            if (sent <= 0)
                return false;
            written = static_cast<std::size_t>(sent);
        }
        data += written;
        size -= written;
    }
    return true;
}

bool HttpConnection::fill() {
    char buffer[kReadChunk];
    const long got = receive(buffer, sizeof buffer);
    if (got <= 0)
        return false;
    inbox_.append(buffer, static_cast<std::size_t>(got));
    return true;
}

// One line without its line end; a bare LF is taken as a line end too.
HttpConnection::ReadResult HttpConnection::readLine(std::string& line, std::size_t limit) {
    for (;;) {
        const auto end = inbox_.find('\n');
        if (end != std::string::npos) {
            if (end > limit)
                return ReadResult::TooLarge;
            const bool cr = end > 0 && inbox_[end - 1] == '\r';
            line.assign(inbox_, 0, cr ? end - 1 : end);
            inbox_.erase(0, end + 1);
            return ReadResult::Ok;
        }
        if (inbox_.size() > limit)
            return ReadResult::TooLarge;
        if (!fill())
            return ReadResult::Closed;
    }
}

bool HttpConnection::readExact(std::uint64_t size, std::string& out) {
    while (inbox_.size() < size) {
        if (!fill())
            return false;
    }
    out.append(inbox_, 0, size);
    inbox_.erase(0, size);
    return true;
}

HttpConnection::ReadResult HttpConnection::readHead(Request& request) {
    std::size_t budget = limits_.maxHeaderBytes;
    std::string line;
    auto next = [&]() {
        const ReadResult result = readLine(line, budget);
        if (result == ReadResult::Ok)
            budget -= std::min(budget, line.size() + 2);
        return result;
    };
    do { // blank lines before a request are allowed
        if (const ReadResult result = next(); result != ReadResult::Ok)
            return result;
    } while (line.empty());

    const auto first = line.find(' ');
    const auto second = first == std::string::npos ? first : line.find(' ', first + 1);
    if (second == std::string::npos || second == first + 1)
        return ReadResult::Malformed;
    request.method = line.substr(0, first);
    request.target = line.substr(first + 1, second - first - 1);
    request.version = line.substr(second + 1);
    if (request.version.rfind("HTTP/1.", 0) != 0)
        return ReadResult::Malformed;

    for (;;) {
        const ReadResult result = next();
        if (result != ReadResult::Ok)
            return result == ReadResult::Closed ? ReadResult::Malformed : result;
        if (line.empty())
            return ReadResult::Ok;
        if (request.headerLines.size() >= limits_.maxHeaderLines)
            return ReadResult::TooLarge;
        if (line.find(':') == std::string::npos)
            return ReadResult::Malformed;
        request.headerLines.push_back(line);
    }
}

HttpConnection::ReadResult HttpConnection::readBody(Request& request) {
    const bool chunked = containsToken(request.header("Transfer-Encoding"), "chunked");
    const auto lengthText = request.header("Content-Length");
    std::uint64_t length = 0;
    if (!chunked && lengthText) {
        const auto parsed = parseNumber(*lengthText, 10);
        if (!parsed)
            return ReadResult::Malformed;
        if (*parsed > limits_.maxBodyBytes)
            return ReadResult::TooLarge;
        length = *parsed;
    }
    if ((chunked || length > 0) && containsToken(request.header("Expect"), "100-continue")) {
        if (!send("HTTP/1.1 100 Continue\r\n\r\n"))
            return ReadResult::Closed;
    }
    if (chunked)
        return readChunkedBody(request.body);
    return readExact(length, request.body) ? ReadResult::Ok : ReadResult::Closed;
}

HttpConnection::ReadResult HttpConnection::readChunkedBody(std::string& body) {
    std::string line;
    for (;;) {
        if (const ReadResult result = readLine(line, kChunkLineLimit); result != ReadResult::Ok)
            return result;
        const auto size = parseNumber(line.substr(0, line.find(';')), 16);
        if (!size)
            return ReadResult::Malformed;
        if (*size == 0)
            break;
        if (body.size() + *size > limits_.maxBodyBytes)
            return ReadResult::TooLarge;
        if (!readExact(*size, body))
            return ReadResult::Closed;
        if (const ReadResult result = readLine(line, kChunkLineLimit); result != ReadResult::Ok)
            return result;
        if (!line.empty())
            return ReadResult::Malformed;
    }
    do { // trailer lines, ignored
        if (const ReadResult result = readLine(line, kChunkLineLimit); result != ReadResult::Ok)
            return result;
    } while (!line.empty());
    return ReadResult::Ok;
}

// A body with a Content-Length is left on the connection for the handler to read; a
// chunked one is read whole as for any route.
HttpConnection::ReadResult HttpConnection::openStream(Request& request) {
    const auto lengthText = request.header("Content-Length");
    if (containsToken(request.header("Transfer-Encoding"), "chunked") || !lengthText)
        return readBody(request);
    const auto length = parseNumber(*lengthText, 10);
    if (!length)
        return ReadResult::Malformed;
    if (*length > 0 && containsToken(request.header("Expect"), "100-continue")) {
        if (!send("HTTP/1.1 100 Continue\r\n\r\n"))
            return ReadResult::Closed;
    }
    streamLeft_ = *length;
    streamGate_ = std::make_shared<HttpConnection*>(this);
    request.bodyLength = *length;
    request.bodyReader = [gate = streamGate_](char* buffer, std::size_t size) -> long {
        return *gate ? (*gate)->readStreamed(buffer, size) : -1;
    };
    return ReadResult::Ok;
}

long HttpConnection::readStreamed(char* buffer, std::size_t size) {
    size = static_cast<std::size_t>(std::min<std::uint64_t>(size, streamLeft_));
    if (size == 0)
        return 0;
    long got = 0;
    if (!inbox_.empty()) {
        got = static_cast<long>(std::min(size, inbox_.size()));
        inbox_.copy(buffer, static_cast<std::size_t>(got));
        inbox_.erase(0, static_cast<std::size_t>(got));
    } else {
        got = stopping_ ? -1 : receive(buffer, size);
        if (got <= 0)
            return -1;
    }
    streamLeft_ -= static_cast<std::uint64_t>(got);
    return got;
}

// Ends a streamed body after its handler: what it left unread is read and dropped (when
// `drain`), so the reply finds the client listening. False when the connection is lost.
bool HttpConnection::closeStream(bool drain) {
    if (!streamGate_)
        return true;
    *streamGate_ = nullptr;
    streamGate_.reset();
    char buffer[kReadChunk];
    while (drain && streamLeft_ > 0) {
        if (readStreamed(buffer, sizeof buffer) <= 0)
            return false;
    }
    const bool whole = streamLeft_ == 0;
    streamLeft_ = 0;
    return drain ? whole : true;
}

// Writes the reply; false when the connection is to be closed afterwards.
bool HttpConnection::answer(const Request& request, Response response) {
    if (response.dropConnection) {
        closeTls();
        return false;
    }
    const bool streamed = static_cast<bool>(response.producer);
    const std::uint64_t length = streamed ? response.streamLength : response.body.size();
    const bool close = response.closeConnection || response.cutAfter || response.closeDelimited ||
                       clientWantsClose(request);

    std::string head = "HTTP/1.1 " + std::to_string(response.status) + ' ' +
                       (response.reason.empty() ? reasonPhrase(response.status) : response.reason) +
                       "\r\n";
    for (const auto& [name, value] : response.headers)
        head += name + ": " + value + "\r\n";
    if (response.chunked)
        head += "Transfer-Encoding: chunked\r\n";
    else if (!response.closeDelimited)
        head += "Content-Length: " + std::to_string(length) + "\r\n";
    if (close)
        head += "Connection: close\r\n";
    head += "\r\n";
    if (!send(head))
        return false;

    bool complete = true;
    if (response.chunked && request.method != "HEAD") {
        std::ostringstream size;
        size << std::hex << response.body.size();
        const std::string body =
            response.body.empty() ? std::string() : size.str() + "\r\n" + response.body + "\r\n";
        if (!send(body + "0\r\n\r\n"))
            return false;
    } else if (request.method != "HEAD") {
        const std::uint64_t limit = std::min(length, response.cutAfter.value_or(length));
        const bool sent =
            streamed ? sendStreamed(response, limit) : send(response.body.data(), limit);
        if (!sent)
            return false;
        complete = limit == length;
    }
    if (close || !complete) {
        closeTls();
        return false;
    }
    return true;
}

// True when the producer delivered `limit` bytes and the peer took them.
bool HttpConnection::sendStreamed(const Response& response, std::uint64_t limit) {
    std::uint64_t sent = 0;
    bool alive = true;
    const BodySink sink = [&](const char* data, std::size_t size) {
        const std::size_t allowed =
            static_cast<std::size_t>(std::min<std::uint64_t>(size, limit - sent));
        if (!alive || (allowed > 0 && !send(data, allowed))) {
            alive = false;
            return false;
        }
        sent += allowed;
        return allowed == size;
    };
    response.producer(sink);
    return alive && sent == limit;
}

void HttpConnection::refuse(int status) {
    Response response;
    response.status = status;
    response.body = reasonPhrase(status);
    response.setHeader("Content-Type", "text/plain");
    response.closeConnection = true;
    answer(Request(), std::move(response));
}

// A clean TLS close (close_notify), so a cut reply reads as a short body, not as a
// broken TLS stream.
void HttpConnection::closeTls() {
    if (ssl_ && SSL_shutdown(ssl_) < 0)
        ERR_clear_error();
}

} // namespace devservice
