#pragma once
// Stand-in for the options dialog until its own change replaces it: it only confirms, so
// that whoever opens it sees the settings re-applied. Page -1 is all pages, 0 to 3 one
// page (0 general, 1 upload, 2 download, 3 connection).
#include <QDialog>

class DialogOption : public QDialog {
    Q_OBJECT
public:
    DialogOption(int page, QWidget* parent = nullptr);

    int page() const { return m_page; }

signals:
    // After the settings were stored (on OK).
    void settingChange();

public slots:
    void accept() override;

private:
    int m_page;
};
