#include "capture/nativehost.h"

#include "platform/registry.h"
#include "platform/settingskeys.h"
#include "platform/systemactions.h"

#include <QFile>

#include <fcntl.h>
#include <unistd.h>

namespace capture {

namespace {
const std::string kHello = "\"hello\"";
} // namespace

HostBrowser browserOf(const QStringList& arguments) {
    if (!arguments.isEmpty() && arguments.first().startsWith(QLatin1String("chrome-extension://")))
        return HostBrowser::Chromium;
    return arguments.size() >= 2 ? HostBrowser::Firefox : HostBrowser::Chromium;
}

QString captureSwitchName(HostBrowser browser) {
    return QLatin1String(browser == HostBrowser::Firefox ? SettingsKeys::FirefoxCapture
                                                         : SettingsKeys::ChromeCapture);
}

NativeHost::NativeHost(std::FILE* input, std::FILE* output, const QString& mainProgram,
                       HostBrowser browser, const QString& logFile, platform::Registry& registry)
    : m_input(input), m_output(output), m_mainProgram(mainProgram), m_browser(browser),
      m_logFile(logFile), m_registry(registry) {}

void NativeHost::logLength(std::uint32_t length) {
    // A private file of this user's; a link planted in its place is not followed.
    const int fd = ::open(QFile::encodeName(m_logFile).constData(),
                          O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    const std::string line = "xxx " + std::to_string(length) + "\n";
    [[maybe_unused]] const ssize_t written = ::write(fd, line.data(), line.size());
    ::close(fd);
}

ReadResult NativeHost::readMessage(std::string* text) {
    unsigned char bytes[4];
    if (std::fread(bytes, 1, 4, m_input) != 4)
        return ReadResult::EndOfInput;
    const std::uint32_t length = std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8 |
                                 std::uint32_t(bytes[2]) << 16 | std::uint32_t(bytes[3]) << 24;
    logLength(length);
    text->clear();
    if (length > kMaxMessageBytes) {
        char discard[64 * 1024];
        for (std::uint32_t left = length; left > 0;) {
            const std::size_t piece = std::min<std::uint32_t>(left, sizeof discard);
            if (std::fread(discard, 1, piece, m_input) != piece)
                return ReadResult::EndOfInput;
            left -= std::uint32_t(piece);
        }
        return ReadResult::Oversize;
    }
    text->resize(length);
    if (length > 0 && std::fread(&(*text)[0], 1, length, m_input) != length)
        return ReadResult::EndOfInput; // cut off inside the body: nothing is acted on
    return ReadResult::Message;
}

bool NativeHost::writeMessage(const std::string& text) {
    const std::uint32_t length = std::uint32_t(text.size());
    const unsigned char bytes[4] = {std::uint8_t(length), std::uint8_t(length >> 8),
                                    std::uint8_t(length >> 16), std::uint8_t(length >> 24)};
    const bool written = std::fwrite(bytes, 1, 4, m_output) == 4 &&
                         std::fwrite(text.data(), 1, text.size(), m_output) == text.size();
    return std::fflush(m_output) == 0 && written;
}

bool NativeHost::answerHello() {
    QFile program(m_mainProgram);
    if (!program.open(QIODevice::ReadOnly))
        return false;
    program.close();
    return writeMessage("\"brisko2\"");
}

platform::RegistryStatus NativeHost::readRegistryDword(const QString& name, std::uint32_t* result,
                                                       std::uint32_t defaultValue) const {
    *result = defaultValue;
    platform::RegistryValue value;
    const platform::RegistryStatus status = m_registry.queryValue(
        platform::RegistryRoot::CurrentUser, platform::programRegistryKey(), name, &value);
    if (status != platform::RegistryStatus::Ok)
        return status;
    // More than four bytes do not fit: the read fails, as the registry's own would.
    if (value.data.size() > 4)
        return platform::RegistryStatus::MoreData;
    std::uint32_t number = 0;
    for (int i = 0; i < value.data.size(); ++i)
        number |= std::uint32_t(std::uint8_t(value.data[i])) << (8 * i);
    *result = number;
    return status;
}

bool NativeHost::isCaptureEnabled() const {
    std::uint32_t number = 1;
    // A switch that can't be read counts as on.
    if (readRegistryDword(captureSwitchName(m_browser), &number, 1) != platform::RegistryStatus::Ok)
        return true;
    return number == 1;
}

bool NativeHost::startMainProgram(const std::string& link) {
    // A link never reaches a shell, and one that could break a line is refused.
    if (link.find_first_of(std::string("\0\r\n", 3)) != std::string::npos)
        return false;
    // The link is handed over as the one argument a command line "-d \"link\"" gives: its
    // surrounding double quotes are not part of it.
    std::string argument = link;
    if (!argument.empty() && argument.front() == '"') {
        argument.erase(0, 1);
        if (!argument.empty() && argument.back() == '"')
            argument.pop_back();
    }
    return platform::systemActions().startDetached(
        m_mainProgram, {QStringLiteral("-d"), QString::fromStdString(argument)});
}

int NativeHost::run() {
    for (;;) {
        std::string text;
        const ReadResult read = readMessage(&text);
        if (read == ReadResult::EndOfInput)
            return 0;
        if (read == ReadResult::Oversize || text.empty())
            continue;
        // A reply that can't be written means the browser has gone: the host ends as
        // it does at the end of its input.
        if (text == kHello) {
            if (!answerHello())
                return 0;
            continue;
        }
        const bool on = isCaptureEnabled();
        if (text.size() >= 4 && text.compare(1, 3, "v2 ") == 0) {
            // The browser keeps the download unless the main program really took it.
            const bool started = on && startMainProgram("\"" + text.substr(4));
            if (!writeMessage(started ? "\"captured\"" : "\"not-capture\""))
                return 0;
            continue;
        }
        if (on)
            startMainProgram(text);
    }
}

} // namespace capture
