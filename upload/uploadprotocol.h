#pragma once
// The upload location's wire format on the client side: reading the offset the location
// reports, the Content-Range of a chunk, and how the chunk size follows the time the
// last chunk took.
#include <QByteArray>
#include <QtGlobal>

namespace uploadprotocol {

constexpr int kFirstChunkSize = 20000000;
constexpr int kLargestChunkSize = 1000000000;
// Chunks aim at this many seconds of sending each.
constexpr double kTargetChunkSeconds = 60.0;

// The bytes the location holds, from its answer to the offset query: the text between
// the first ":" and the first "}" (from the start without a ":", to the end without a
// "}" after it), read as a decimal number after blanks and a sign, up to the first
// other character. No number reads as 0; values beyond 64 bits saturate.
qint64 readOffset(const QByteArray& body);

// True when the answer says the location is no longer valid.
bool isInvalidSession(const QByteArray& body);

// "bytes first-last/size".
QByteArray contentRange(qint64 first, qint64 last, qint64 size);

// The size of the next chunk after one of `current` bytes whose sending took `seconds`
// (with their fraction: on a fast line a chunk takes well under one): scaled towards a
// minute each, at most kLargestChunkSize; a chunk that took more than two minutes
// roughly halves it, in steps of kFirstChunkSize and never below that. Unchanged when
// no time was measured.
int nextChunkSize(int current, double seconds);

// Bytes per second the sending is capped at by the settings' speed limit (kilobytes per
// second); 0, no cap, when the limit is off or not above 0.
qint64 sendSpeedCap(bool enabled, double kilobytesPerSecond);

} // namespace uploadprotocol
