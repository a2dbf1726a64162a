#pragma once
// Stand-in for the about dialog until its own change replaces it: name and version.
#include <QDialog>

class dialogabout : public QDialog {
    Q_OBJECT
public:
    explicit dialogabout(QWidget* parent = nullptr);
};
