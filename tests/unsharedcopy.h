#pragma once
// A copy of a list that another thread goes on appending to, taken under the list's lock.
// It shares no data with the list: Qt decides whether an append may grow a list's block in
// place by an unordered read of the sharing count, so the reads of a shared copy made
// after the lock would not be ordered before that append.
#include <QList>

template <typename T> QList<T> unshared(const QList<T>& list) {
    QList<T> copy = list;
    copy.detach();
    return copy;
}
