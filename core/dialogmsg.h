#pragma once
// A frameless notice: a title line, a short message and a details pane that the user can
// show (the window grows to 220 px) or hide again (110 px). Shown with exec().
#include "core/windowdrag.h"

#include <QDialog>
#include <QString>

namespace Ui {
class DialogMsg;
}

class DialogMsg : public QDialog {
    Q_OBJECT

public:
    DialogMsg(const QString& message, const QString& details, QWidget* parent = nullptr);
    ~DialogMsg() override;

public slots:
    void on_showHideMsg_clicked();
    void on_pushButton_clicked();

protected:
    // Dragging the frameless window (WindowDrag).
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void applyExpanded();

    Ui::DialogMsg* ui;
    // Kept so that a change of language can put them back after retranslating the form.
    QString m_message;
    QString m_details;
    bool m_expanded = false;
    WindowDrag windowDrag{this};
};
