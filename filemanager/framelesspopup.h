#pragma once
// What the file manager's small popup dialogs share: no frame, the outline of their
// background picture, dragging by the background with the left button (each dialog's
// mousePressEvent() and mouseMoveEvent() hand their events to windowDrag), staying on top
// when the settings ask for it, and a loading animation that survives a language change.
#include "core/windowdrag.h"

#include <QDialog>

class QLabel;
class QMovie;

class FramelessPopup : public QDialog {
    Q_OBJECT
protected:
    explicit FramelessPopup(QWidget* parent);

    // Frameless and shaped by `background`; on top when "Stay_on_top" says so, or always.
    void makeFrameless(const QString& background, bool alwaysOnTop = false);
    // Puts the loading animation on `label` and hides it; again after a retranslation,
    // which replaces the label's contents by its text.
    void setLoadingAnimation(QLabel* label);

    // The animation runs only while the dialog is shown: closed dialogs stay alive as
    // hidden children of the tab.
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

    WindowDrag windowDrag;

private:
    QMovie* loadingMovie = nullptr;
};
