#pragma once
// A tiny application-modal box reading "Loading....", for a caller that waits on something.
#include <QDialog>

namespace Ui {
class DialogLoading;
}

class DialogLoading : public QDialog {
    Q_OBJECT

public:
    explicit DialogLoading(QWidget* parent = nullptr);
    ~DialogLoading() override;

    // Does nothing: the box has no button. Not a slot, so that binding slots by name does
    // not look for a button that the form does not have.
    void on_pushButton_clicked();

private:
    Ui::DialogLoading* ui;
};
