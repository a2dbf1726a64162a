#pragma once
// The about box: a frameless, image-shaped dialog with the version and build number, the
// release date, the rights holder and a link to the service's support page. It is
// dragged by its face.
#include "core/windowdrag.h"

#include <QDialog>

namespace Ui {
class dialogabout;
}

class dialogabout : public QDialog {
    Q_OBJECT
public:
    explicit dialogabout(QWidget* parent = nullptr);
    ~dialogabout() override;

    // The version line: the application version and the build number.
    static QString versionText();
    // A compiler-style build date ("Feb 14 2017", day padded with a blank or not) as
    // "yyyy/MM/dd"; empty when it is not such a date.
    static QString releaseDateText(const QString& buildDate);

public slots:
    void on_lb_value_version_linkActivated(QString link);

protected:
    // Dragging the frameless window (WindowDrag).
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void applyContactLink();

    Ui::dialogabout* ui;
    WindowDrag windowDrag{this};
};
