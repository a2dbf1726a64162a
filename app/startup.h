#pragma once
// The steps of the program's start-up that can stand on their own: the start-up
// message, the hand-over to a running copy, proxy, translation, CA bundle and bringing
// a window forward. main() strings them together.
#include <QNetworkProxy>
#include <QString>
#include <QStringList>

class QTranslator;
class QWidget;
class SettingsStore;
class SingleInstance;

namespace startup {

// Command lines, paths and file names are UTF-8 whatever the locale says (a C locale
// would otherwise turn the arguments into Latin-1 or question marks). Before the
// application object exists.
void useUtf8ForLocalText();

// The message this copy hands over: with "-d" first, the arguments as they are (the "-d"
// included); otherwise each argument as a clean absolute path against currentFolder.
// Joined by "|"; empty without arguments. `arguments` excludes the program name.
QString buildStartupMessage(const QStringList& arguments, const QString& currentFolder);

struct HandOver {
    bool otherCopyRuns = false; // this copy must end
    bool delivered = false;
    int attempts = 0;
};

// When another copy runs, hands it the message, trying again after a short pause while
// it fails (the other copy may not listen yet), for at most budgetMs in all.
HandOver handOver(SingleInstance& instance, const QString& message, int budgetMs = 5000,
                  int pauseMs = 200);

// The toolkit's proxy as the settings choose it; DefaultProxy (leave the toolkit alone)
// when none is chosen or its host is empty.
QNetworkProxy chosenProxy(const SettingsStore& settings);
// Sets chosenProxy() as the toolkit's proxy and makes the transfers follow the proxy
// settings on every new handle.
void applyProxy(const SettingsStore& settings);

// Loads the translation the "Language" setting names from the program folder's "lang"
// folder ("brisko_vi.qm", stored, when none is set) and installs the translator, loaded
// or not. True when the file was loaded.
bool loadTranslation(QTranslator& translator, SettingsStore& settings);
// Loads and installs the toolkit's own translation (its buttons and choosers) for the
// language the "Language" setting names, where the system has one; false when it has none.
bool loadToolkitTranslation(QTranslator& translator, const SettingsStore& settings);

// Tells the user that this copy cannot run, as its single-copy lock cannot be written in
// `folder` (a full or read-only disk), and logs it.
void tellLockFailure(const QString& folder);

// Every transfer, and the toolkit's own TLS, trusts the certificates in this PEM file.
void installCaBundle(const QString& path);

// Brings a window forward: not minimised, raised, focused.
void activateWindow(QWidget* window);

} // namespace startup
