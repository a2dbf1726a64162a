#pragma once
// Shows the text of a service result code in a critical message box, for callers that
// have only the code (the service's own message is shown elsewhere when there is one).
#include <QString>
#include <QWidget>

class ShowErrorDetail : public QWidget {
    Q_OBJECT

public:
    explicit ShowErrorDetail(int errorCode, QWidget* parent = nullptr);
    ~ShowErrorDetail() override;

    // Shows the box and returns when the user has closed it.
    void errorMessage();

    // The code kept after errorMessage(): -1 when the code has no text of its own.
    int errorCode() const { return m_errorCode; }

    // Whether the table has a text of its own for code.
    static bool hasText(int code);
    // The translated text for code; codes not in the table share one general text.
    static QString errorText(int code);
    // The box's title for code: "Lỗi (code)", "Lỗi (-1)" for codes not in the table.
    static QString errorTitle(int code);

private:
    int m_errorCode;
};
