#pragma once
// The settings file's format: the INI text QSettings writes, read from the bytes in memory
// and written byte for byte as QSettings writes it (sections in name order, keys in name
// order, values and lists escaped its way), so that every other reader of the file sees
// what it always saw.
#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace settingsformat {

// A value as the file holds it, before QSettings' typed forms ("@ByteArray(...)" and the
// like) are read: one text, or a list of at least two texts (the file cannot tell a list
// of one from a text).
struct Value {
    QStringList texts;
    bool list = false;

    bool operator==(const Value& other) const { return list == other.list && texts == other.texts; }
    bool operator!=(const Value& other) const { return !(*this == other); }
};

// By key as QSettings names it: "Section/name", and "name" for the keys of [General].
using Map = QMap<QString, Value>;

struct Parsed {
    Map values;
    // Something of the file is lost or guessed when it is written again: a line without
    // "=", an empty key, a key given twice, a section without its "]", a quote left open
    // across lines, a NUL byte, or a last line without its line end (a cut file). What
    // could be read is in `values` all the same.
    bool damaged = false;
};

Parsed parse(const QByteArray& bytes);

// The whole file for the values; an empty map gives an empty file.
QByteArray text(const Map& values);

// What QSettings reads from a stored value, and how it stores a value of any type. A value
// that streams a type the program does not store (anything but numbers, booleans, texts
// and a date and time), or whose stream does not read cleanly within its own bytes, is
// unusable: `usable` is set false and the result is invalid. Its text stays as it is.
QVariant toVariant(const Value& value, bool* usable = nullptr);
Value fromVariant(const QVariant& value);

// The key as QSettings uses it: no leading, trailing or doubled "/". Empty when nothing is
// left, which no value can be stored under.
QString normalizedKey(const QString& key);

// Where `key` is stored: under itself, else under the first key equal to it but for case
// (the store compares keys without regard to case). values.cend() when nowhere.
Map::const_iterator findKey(const Map& values, const QString& key);

} // namespace settingsformat
