#pragma once
// What the file manager's tests share: the demo account logged in against the stand-in,
// the scripted answerer, a tab on the account's top level, and ways into the tab.
#include "core/globals.h"
#include "core/ruridudi.h"
#include "core/servicecallrunner.h"
#include "filemanager/filetablemodel.h"
#include "filemanager/formmanage.h"
#include "tests/mainwindowsession.h"
#include "tests/support/scripteduserprompt.h"

#include <QItemSelectionModel>
#include <QMenu>
#include <QTableView>
#include <QTreeWidget>
#include <QUrl>
#include <QtTest>

#include <memory>

// Reaches the tab's own state and slots, as only the tests do.
class FormManageProbe {
public:
    static bool busy(const FormManage& f) {
        return f.loadLock || f.pendingLoad || f.calls->isBusy();
    }
    static QString path(const FormManage& f) { return f.currentFolderPath; }
    static QString code(const FormManage& f) { return f.currentFolderLinkCode; }
    static void click(FormManage& f, QTreeWidgetItem* item) {
        item->treeWidget()->setCurrentItem(item);
        f.on_treeWidgetFolder_itemClicked(item, 0);
    }
    static void refresh(FormManage& f) { f.on_btnUpdate_clicked(); }
    static void download(FormManage& f) { f.DownloadFile(); }
    static void upload(FormManage& f) { f.on_btnUpLoad_clicked(); }
    static void copyLink(FormManage& f) { f.exportLinks(); }
    static void mail(FormManage& f) { f.sendLinksViaMail(); }
    static void disable(FormManage& f) { f.disableForm(); }
    static void enable(FormManage& f) { f.enableForm(); }
    static QStringList menu(FormManage& f) {
        QMenu menu;
        f.fillContextMenu(&menu);
        QStringList texts;
        for (QAction* action : menu.actions())
            if (!action->isSeparator())
                texts << action->text();
        return texts;
    }
    static void remove(FormManage& f) { f.on_btnDel_2_clicked(); }
    static void secure(FormManage& f, bool on) { on ? f.secureFiles() : f.unsecureFiles(); }
    static void direct(FormManage& f, bool on) { on ? f.directFiles() : f.unDirectFiles(); }
    static void password(FormManage& f) { f.changeFilePassword(); }
    static void move(FormManage& f) { f.on_btnMove_clicked(); }
    static void copy(FormManage& f) { f.copyIntoFolder(); }
    static void createFolder(FormManage& f) { f.on_btnCreate_2_clicked(); }
    static void rename(FormManage& f) { f.context_Edit_Filename(); }
    static std::string recordPassword(FormManage& f, const std::string& code) {
        for (const brisko::file& entry : f.listing->entries)
            if (entry.get_linkcode() == code)
                return entry.get_pwd();
        return "?";
    }
};

// Whether service calls of a window (the tab or a dialog) still run.
inline bool callsRunning(const QObject* window) {
    for (const ServiceCallRunner* calls : window->findChildren<ServiceCallRunner*>())
        if (calls->isBusy())
            return true;
    return false;
}

// Waits until they have ended and their results were handled.
inline void settle(const QObject* window) {
    QTRY_VERIFY_WITH_TIMEOUT(!callsRunning(window), 20000);
}

// Lets the workers of windows already gone end, and delivers what they left queued.
inline void drainCalls() {
    QVERIFY(ServiceCallRunner::waitForAllCalls(30000));
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

class FormManageFixture : public QObject {
protected:
    // The raw request path of a folder's listing.
    static std::string listPath(const QString& folder) {
        return "/api/fileops/list" + (folder.isEmpty()
                                          ? std::string("/home")
                                          : QUrl::toPercentEncoding(folder).toStdString());
    }

    void startTab() {
        session = std::make_unique<MainWindowSession>();
        QVERIFY(session->start());
        user = session->logIn();
        QVERIFY(user);
        currentUser = user.get();
        prompt = std::make_unique<ScriptedUserPrompt>();
        form = std::make_unique<FormManage>();
        form->resize(1100, 500);
        form->show();
        form->resetToRootFolder();
        waitIdle();
    }
    void stopTab() {
        form.reset();
        QCOMPARE(prompt ? prompt->unanswered() : 0, 0);
        prompt.reset();
        currentUser = nullptr;
        user.reset();
        session.reset();
    }

    QTreeWidget* tree() { return form->findChild<QTreeWidget*>("treeWidgetFolder"); }
    QTableView* table() { return form->findChild<QTableView*>("tableManage"); }
    void waitIdle() { QTRY_VERIFY_WITH_TIMEOUT(!FormManageProbe::busy(*form), 20000); }
    std::string accountId() { return session->accountId().toStdString(); }
    QString codeOf(const std::string& path) {
        const auto entry = session->service().files().findByPath(accountId(), path);
        return entry ? QString::fromStdString(entry->linkcode) : QString();
    }
    QStringList shownNames() {
        QStringList names;
        for (int r = 0; r < table()->model()->rowCount(); ++r)
            names << table()->model()->index(r, filetable::ColName).data().toString();
        return names;
    }
    int rowOf(const QString& name) { return shownNames().indexOf(name); }
    QTreeWidgetItem* childNamed(QTreeWidgetItem* parent, const QString& name) {
        for (int i = 0; i < parent->childCount(); ++i)
            if (parent->child(i)->text(0) == name)
                return parent->child(i);
        return nullptr;
    }
    QStringList childNames(QTreeWidgetItem* item) {
        QStringList names;
        for (int i = 0; i < item->childCount(); ++i)
            names << item->child(i)->text(0);
        return names;
    }
    // Selects whole rows by name; the last one named becomes the current row.
    void selectRows(const QStringList& names) {
        table()->clearSelection();
        for (const QString& name : names) {
            const QModelIndex index = table()->model()->index(rowOf(name), filetable::ColName);
            QVERIFY(index.isValid());
            table()->selectionModel()->setCurrentIndex(index, QItemSelectionModel::Select |
                                                                  QItemSelectionModel::Rows);
        }
    }
    // Opens a folder of the top level from the tree.
    void openFolder(const QString& name) {
        FormManageProbe::click(*form, childNamed(tree()->topLevelItem(0), name));
        waitIdle();
    }

    std::unique_ptr<MainWindowSession> session;
    std::unique_ptr<RuriDudi> user;
    std::unique_ptr<ScriptedUserPrompt> prompt;
    std::unique_ptr<FormManage> form;
};
