#include "mainwindow/dialogabout.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

dialogabout::dialogabout(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Thông tin"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        QStringLiteral("<b>Brisko Tool</b> ") + QCoreApplication::applicationVersion(), this));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &dialogabout::accept);
    layout->addWidget(buttons);
}
