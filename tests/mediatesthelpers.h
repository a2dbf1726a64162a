#pragma once
// Small helpers of the media tools' tests: named children of a window, button clicks and
// file contents.
#include <QFile>
#include <QPushButton>
#include <QWidget>

namespace mediatest {

template <typename T> T* child(QWidget& parent, const char* name) {
    T* widget = parent.findChild<T*>(QLatin1String(name));
    if (!widget)
        qFatal("no child %s", name);
    return widget;
}

inline void click(QWidget& window, const char* button) {
    child<QPushButton>(window, button)->click();
}

// The file's bytes, or "<missing>".
inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace mediatest
