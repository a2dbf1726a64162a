#pragma once
// What the main window's tests share: the stand-in with the demo account, the program
// pretending to run from a private folder (history files and ca.crt land there), and the
// account record the login dialog would hand over.
#include "core/ruridudi.h"
#include "tests/support/devservicefixture.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <string>

class MainWindowSession {
public:
    MainWindowSession() = default;
    ~MainWindowSession();
    MainWindowSession(const MainWindowSession&) = delete;
    MainWindowSession& operator=(const MainWindowSession&) = delete;

    bool start();
    devservice::Service& service() { return fixture.service(); }
    QString programFolder() const { return program.path(); }

    // Logs the program's client in as the demo account; the record the login dialog
    // makes of it (null, with a warning, on failure).
    std::unique_ptr<RuriDudi> logIn();

    // The canonical share link of a link code, or of a path in the demo account.
    QString link(const std::string& code, bool folder = false) const;
    QString linkOf(const std::string& path);
    // The web site's address as the program builds it.
    static QString webSite();

private:
    DevServiceFixture fixture;
    QTemporaryDir program;
};
