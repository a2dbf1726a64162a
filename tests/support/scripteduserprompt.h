#pragma once
// A UserPrompt for tests. It installs itself while it lives, records every prompt and
// answers each from a queue of scripted answers. A prompt with no answer queued, or whose
// next answer is of another kind (a button for a file chooser, say), or a button the prompt
// does not offer, ends the program at once with a message naming the prompt: a test fails
// loudly instead of hanging in a dialog that nobody closes.
#include "core/userprompt.h"

#include <QPointer>
#include <QQueue>
#include <QVector>

class ScriptedUserPrompt : public UserPrompt {
public:
    enum class Kind {
        Information,
        Warning,
        Critical,
        Question,
        OpenFile,
        OpenFiles,
        SaveFile,
        ChooseFolder
    };

    // One prompt as the program asked it. Choosers keep their caption in title.
    struct Asked {
        Kind kind = Kind::Information;
        QPointer<QWidget> parent;
        QString title;
        QString text;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
        QString dir;
        QString filter;
    };

    ScriptedUserPrompt();
    ~ScriptedUserPrompt() override;
    ScriptedUserPrompt(const ScriptedUserPrompt&) = delete;
    ScriptedUserPrompt& operator=(const ScriptedUserPrompt&) = delete;

    // The answer to the next message box or question.
    void answer(QMessageBox::StandardButton button);
    // The answer to the next openFile, saveFile or chooseFolder; empty means cancelled.
    void answerPath(const QString& path);
    // The answer to the next openFiles; empty means cancelled.
    void answerPaths(const QStringList& paths);

    const QVector<Asked>& asked() const { return m_asked; }
    // Answers queued but not used yet.
    int unanswered() const { return m_answers.size(); }

    static QString kindName(Kind kind);

    QMessageBox::StandardButton information(QWidget* parent, const QString& title,
                                            const QString& text,
                                            QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton) override;
    QMessageBox::StandardButton warning(QWidget* parent, const QString& title, const QString& text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) override;
    QMessageBox::StandardButton critical(QWidget* parent, const QString& title, const QString& text,
                                         QMessageBox::StandardButtons buttons,
                                         QMessageBox::StandardButton defaultButton) override;
    QMessageBox::StandardButton question(QWidget* parent, const QString& title, const QString& text,
                                         QMessageBox::StandardButtons buttons,
                                         QMessageBox::StandardButton defaultButton) override;
    QString openFile(QWidget* parent, const QString& caption, const QString& dir,
                     const QString& filter) override;
    QStringList openFiles(QWidget* parent, const QString& caption, const QString& dir,
                          const QString& filter) override;
    QString saveFile(QWidget* parent, const QString& caption, const QString& dir,
                     const QString& filter) override;
    QString chooseFolder(QWidget* parent, const QString& caption, const QString& dir) override;

private:
    enum class AnswerKind { Button, Path, Paths };
    struct Answer {
        AnswerKind kind;
        QMessageBox::StandardButton button;
        QStringList paths;
    };

    QMessageBox::StandardButton box(const Asked& asked);
    // Records the prompt and takes the next answer, which must be of the expected kind.
    Answer take(const Asked& asked, AnswerKind expected);

    UserPrompt* m_previous = nullptr;
    QVector<Asked> m_asked;
    QQueue<Answer> m_answers;
};
