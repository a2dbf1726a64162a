#pragma once
// The options dialog: a frameless dialog listing its four pages (general, upload,
// download, connection) on the left and showing one of them. OK is enabled by the first
// change and saves every page; after a change that only a new start applies (language,
// connection) it asks whether to restart now. The restart itself is the caller's, after
// exec() returned, through the program's normal quit path.
#include "core/windowdrag.h"

#include <QDialog>

class OptionsPage;
class QListWidgetItem;

namespace Ui {
class DialogOption;
}

class DialogOption : public QDialog {
    Q_OBJECT
public:
    enum Page { General = 0, Upload = 1, Download = 2, Connection = 3, AllPages = -1 };

    // page: AllPages, or the one page to list alone.
    DialogOption(int page, QWidget* parent = nullptr);
    ~DialogOption() override;

    int page() const { return initialPage; }
    // The user chose "Khởi động lại" after OK.
    bool restartRequested() const { return restartChosen; }

signals:
    // Every page has saved its values (on OK).
    void settingChange();

protected:
    // Dragging the frameless window (WindowDrag), also by the pages' surfaces, which leave
    // mouse presses and moves to the dialog.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private slots:
    void btn_ok_clicked();
    void init_Dialogoption();
    void value_changed();
    void value_language_Changed();
    void subFormChanged(QListWidgetItem* current, QListWidgetItem* previous);

private:
    static constexpr int kPageCount = 4;

    void applyTexts();
    void showPage(int index);

    // By page index: general, upload, download, connection.
    OptionsPage* pages[kPageCount] = {};
    QListWidgetItem* entries[kPageCount] = {};
    bool restartNeeded = false;
    bool restartChosen = false;
    int shownPage = -1;
    Ui::DialogOption* ui;
    int initialPage;
    WindowDrag windowDrag{this};
};
