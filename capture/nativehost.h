#pragma once
// The native-messaging host a browser's link-capture extension talks to: framed messages
// on standard input and output (a 4-byte length, least significant byte first, then that
// many bytes of JSON text, compared and copied raw). It answers the presence check and
// hands captured links to the main program, when capture is on for the browser that
// started it.
#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <string>

namespace platform {
class Registry;
enum class RegistryStatus;
} // namespace platform

namespace capture {

enum class HostBrowser { Chromium, Firefox };

// Chromium-based browsers pass the extension's origin ("chrome-extension://…/"); Firefox
// passes the manifest's path and the add-on's id.
HostBrowser browserOf(const QStringList& arguments);

// The settings value that switches capture on for a browser.
QString captureSwitchName(HostBrowser browser);

// What one read of standard input gave.
enum class ReadResult { Message, EndOfInput, Oversize };

class NativeHost {
public:
    // Messages longer than this are read and thrown away in pieces, never held.
    static constexpr std::uint32_t kMaxMessageBytes = 1u << 20;

    NativeHost(std::FILE* input, std::FILE* output, const QString& mainProgram,
               HostBrowser browser, const QString& logFile, platform::Registry& registry);

    // Handles messages until the browser closes the input or a presence check finds no
    // main program; the process's exit code (always 0).
    int run();

    ReadResult readMessage(std::string* text);
    // False when the reply could not be written: the browser has gone.
    bool writeMessage(const std::string& text);
    // Replies to the presence check when the main program is there to take links; false
    // when the host should end (no main program, or no browser to hear the reply).
    bool answerHello();
    bool isCaptureEnabled() const;
    // Starts the main program with "-d" and the link; false when it could not be started
    // or the link was refused.
    bool startMainProgram(const std::string& link);

private:
    void logLength(std::uint32_t length);
    // Reads a number of at most four bytes, least significant first, whatever the value's
    // type, from the program's settings key; `defaultValue` stays in `result` unless the
    // read succeeds.
    platform::RegistryStatus readRegistryDword(const QString& name, std::uint32_t* result,
                                               std::uint32_t defaultValue) const;

    std::FILE* m_input;
    std::FILE* m_output;
    QString m_mainProgram;
    HostBrowser m_browser;
    QString m_logFile;
    platform::Registry& m_registry;
};

} // namespace capture
