#include "upload/uploadprotocol.h"

#include <cctype>
#include <limits>

namespace uploadprotocol {

qint64 readOffset(const QByteArray& body) {
    const int colon = body.indexOf(':');
    const int begin = colon < 0 ? 0 : colon + 1;
    const int brace = body.indexOf('}');
    const int end = brace < begin ? body.size() : brace;

    int at = begin;
    while (at < end && std::isspace(static_cast<unsigned char>(body.at(at))))
        ++at;
    bool negative = false;
    if (at < end && (body.at(at) == '-' || body.at(at) == '+'))
        negative = body.at(at++) == '-';
    // Accumulated as a negative number, whose range reaches one further.
    constexpr qint64 lowest = std::numeric_limits<qint64>::min();
    qint64 value = 0;
    bool saturated = false;
    for (; at < end && std::isdigit(static_cast<unsigned char>(body.at(at))); ++at) {
        const int digit = body.at(at) - '0';
        if (value < (lowest + digit) / 10) {
            saturated = true;
            continue;
        }
        value = value * 10 - digit;
    }
    if (saturated)
        return negative ? lowest : std::numeric_limits<qint64>::max();
    if (negative)
        return value;
    return value == lowest ? std::numeric_limits<qint64>::max() : -value;
}

bool isInvalidSession(const QByteArray& body) {
    return body.contains("INVALID_UPLOAD_SESSION");
}

QByteArray contentRange(qint64 first, qint64 last, qint64 size) {
    return "bytes " + QByteArray::number(first) + '-' + QByteArray::number(last) + '/' +
           QByteArray::number(size);
}

int nextChunkSize(int current, double seconds) {
    if (!(seconds > 0)) // no time measured (or a clock that went back)
        return current;
    const double factor = kTargetChunkSeconds / seconds;
    if (factor > 1) {
        const double grown = double(current) * factor;
        return grown >= kLargestChunkSize ? kLargestChunkSize : static_cast<int>(grown);
    }
    if (factor < 0.5) {
        const int halved = ((current / kFirstChunkSize + 1) / 2) * kFirstChunkSize;
        return halved < kFirstChunkSize ? kFirstChunkSize : halved;
    }
    return current;
}

qint64 sendSpeedCap(bool enabled, double kilobytesPerSecond) {
    const double bytes = enabled ? kilobytesPerSecond * 1024.0 : 0.0;
    return bytes >= 1.0 ? static_cast<qint64>(bytes) : 0;
}

} // namespace uploadprotocol
