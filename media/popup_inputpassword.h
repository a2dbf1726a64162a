#pragma once
// Asks for the password of one file, showing its name and size; the typed text goes to the
// opener through send_pass when the user confirms.
#include "core/windowdrag.h"

#include <QDialog>
#include <QString>

namespace Ui {
class popup_inputPassword;
}

class popup_inputPassword : public QDialog {
    Q_OBJECT
public:
    // size: the file's size in bytes, as decimal text.
    popup_inputPassword(const QString& fileName, const QString& size, QWidget* parent = nullptr);
    ~popup_inputPassword() override;

    // The size text shown for a size given as decimal text: a fraction is cut off, and text
    // that is no number, or no size a file can have, counts as 0 bytes.
    static QString sizeText(const QString& size);

signals:
    void send_pass(QString password);

protected:
    // Dragging the frameless window (WindowDrag).
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private slots:
    void on_buttonBox_accepted();

private:
    Ui::popup_inputPassword* ui;
    WindowDrag windowDrag{this};
};
