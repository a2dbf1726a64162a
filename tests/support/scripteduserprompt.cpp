#include "tests/support/scripteduserprompt.h"

#include <QtGlobal>

namespace {

QString describe(const ScriptedUserPrompt::Asked& asked) {
    return QStringLiteral("%1 \"%2\" \"%3\"")
        .arg(ScriptedUserPrompt::kindName(asked.kind), asked.title, asked.text);
}

} // namespace

ScriptedUserPrompt::ScriptedUserPrompt() : m_previous(UserPrompt::install(this)) {}

ScriptedUserPrompt::~ScriptedUserPrompt() {
    UserPrompt::install(m_previous);
}

void ScriptedUserPrompt::answer(QMessageBox::StandardButton button) {
    m_answers.enqueue({AnswerKind::Button, button, {}});
}

void ScriptedUserPrompt::answerPath(const QString& path) {
    m_answers.enqueue({AnswerKind::Path, QMessageBox::NoButton, {path}});
}

void ScriptedUserPrompt::answerPaths(const QStringList& paths) {
    m_answers.enqueue({AnswerKind::Paths, QMessageBox::NoButton, paths});
}

QString ScriptedUserPrompt::kindName(Kind kind) {
    switch (kind) {
    case Kind::Information:
        return QStringLiteral("information");
    case Kind::Warning:
        return QStringLiteral("warning");
    case Kind::Critical:
        return QStringLiteral("critical");
    case Kind::Question:
        return QStringLiteral("question");
    case Kind::OpenFile:
        return QStringLiteral("openFile");
    case Kind::OpenFiles:
        return QStringLiteral("openFiles");
    case Kind::SaveFile:
        return QStringLiteral("saveFile");
    case Kind::ChooseFolder:
        return QStringLiteral("chooseFolder");
    }
    return QString();
}

ScriptedUserPrompt::Answer ScriptedUserPrompt::take(const Asked& asked, AnswerKind expected) {
    m_asked.append(asked);
    if (m_answers.isEmpty())
        qFatal("ScriptedUserPrompt: no answer scripted for %s", qUtf8Printable(describe(asked)));
    const Answer next = m_answers.dequeue();
    if (next.kind != expected)
        qFatal("ScriptedUserPrompt: the next scripted answer does not fit %s",
               qUtf8Printable(describe(asked)));
    return next;
}

QMessageBox::StandardButton ScriptedUserPrompt::box(const Asked& asked) {
    const Answer next = take(asked, AnswerKind::Button);
    if (!asked.buttons.testFlag(next.button))
        qFatal("ScriptedUserPrompt: scripted button 0x%x is not offered by %s",
               unsigned(next.button), qUtf8Printable(describe(asked)));
    return next.button;
}

QMessageBox::StandardButton
ScriptedUserPrompt::information(QWidget* parent, const QString& title, const QString& text,
                                QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton defaultButton) {
    return box({Kind::Information, parent, title, text, buttons, defaultButton, {}, {}});
}

QMessageBox::StandardButton ScriptedUserPrompt::warning(QWidget* parent, const QString& title,
                                                        const QString& text,
                                                        QMessageBox::StandardButtons buttons,
                                                        QMessageBox::StandardButton defaultButton) {
    return box({Kind::Warning, parent, title, text, buttons, defaultButton, {}, {}});
}

QMessageBox::StandardButton
ScriptedUserPrompt::critical(QWidget* parent, const QString& title, const QString& text,
                             QMessageBox::StandardButtons buttons,
                             QMessageBox::StandardButton defaultButton) {
    return box({Kind::Critical, parent, title, text, buttons, defaultButton, {}, {}});
}

QMessageBox::StandardButton
ScriptedUserPrompt::question(QWidget* parent, const QString& title, const QString& text,
                             QMessageBox::StandardButtons buttons,
                             QMessageBox::StandardButton defaultButton) {
    return box({Kind::Question, parent, title, text, buttons, defaultButton, {}, {}});
}

QString ScriptedUserPrompt::openFile(QWidget* parent, const QString& caption, const QString& dir,
                                     const QString& filter) {
    const Asked asked{Kind::OpenFile, parent, caption, {}, {}, QMessageBox::NoButton, dir, filter};
    return take(asked, AnswerKind::Path).paths.value(0);
}

QStringList ScriptedUserPrompt::openFiles(QWidget* parent, const QString& caption,
                                          const QString& dir, const QString& filter) {
    const Asked asked{Kind::OpenFiles, parent, caption, {}, {}, QMessageBox::NoButton, dir, filter};
    return take(asked, AnswerKind::Paths).paths;
}

QString ScriptedUserPrompt::saveFile(QWidget* parent, const QString& caption, const QString& dir,
                                     const QString& filter) {
    const Asked asked{Kind::SaveFile, parent, caption, {}, {}, QMessageBox::NoButton, dir, filter};
    return take(asked, AnswerKind::Path).paths.value(0);
}

QString ScriptedUserPrompt::chooseFolder(QWidget* parent, const QString& caption,
                                         const QString& dir) {
    const Asked asked{Kind::ChooseFolder, parent, caption, {}, {}, QMessageBox::NoButton, dir, {}};
    return take(asked, AnswerKind::Path).paths.value(0);
}
