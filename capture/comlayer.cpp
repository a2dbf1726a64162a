#include "capture/comlayer.h"

#include <QRegularExpression>

#include <cstring>

namespace com {

namespace {
constexpr Guid makeGuid(std::uint32_t d1, std::uint16_t d2, std::uint16_t d3, std::uint8_t a,
                        std::uint8_t b, std::uint8_t c, std::uint8_t d, std::uint8_t e,
                        std::uint8_t f, std::uint8_t g, std::uint8_t h) {
    return Guid{d1, d2, d3, {a, b, c, d, e, f, g, h}};
}
} // namespace

const Guid IID_IUnknown = makeGuid(0x00000000, 0, 0, 0xC0, 0, 0, 0, 0, 0, 0, 0x46);
const Guid IID_IClassFactory = makeGuid(0x00000001, 0, 0, 0xC0, 0, 0, 0, 0, 0, 0, 0x46);
const Guid IID_IDispatch = makeGuid(0x00020400, 0, 0, 0xC0, 0, 0, 0, 0, 0, 0, 0x46);
const Guid IID_IObjectWithSite =
    makeGuid(0xFC4801A3, 0x2BA9, 0x11CF, 0xA2, 0x29, 0x00, 0xAA, 0x00, 0x3D, 0x73, 0x52);
const Guid IID_IConnectionPointContainer =
    makeGuid(0xB196B284, 0xBAB4, 0x101A, 0xB6, 0x9C, 0x00, 0xAA, 0x00, 0x34, 0x1D, 0x07);
const Guid IID_IConnectionPoint =
    makeGuid(0xB196B286, 0xBAB4, 0x101A, 0xB6, 0x9C, 0x00, 0xAA, 0x00, 0x34, 0x1D, 0x07);
const Guid IID_IWebBrowser2 =
    makeGuid(0xD30C1661, 0xCDAF, 0x11D0, 0x8A, 0x3E, 0x00, 0xC0, 0x4F, 0xC9, 0xE2, 0x6E);
const Guid DIID_DWebBrowserEvents2 =
    makeGuid(0x34A715A0, 0x6587, 0x11D0, 0x92, 0x4A, 0x00, 0x20, 0xAF, 0xC7, 0xAC, 0x4D);

Guid Guid::parse(const QString& text) {
    static const QRegularExpression form(QStringLiteral(
        "^\\{?([0-9A-Fa-f]{8})-([0-9A-Fa-f]{4})-([0-9A-Fa-f]{4})-([0-9A-Fa-f]{4})-"
        "([0-9A-Fa-f]{12})\\}?$"));
    const QRegularExpressionMatch match = form.match(text);
    Guid guid;
    if (!match.hasMatch())
        return guid;
    guid.data1 = match.captured(1).toUInt(nullptr, 16);
    guid.data2 = std::uint16_t(match.captured(2).toUInt(nullptr, 16));
    guid.data3 = std::uint16_t(match.captured(3).toUInt(nullptr, 16));
    const QString rest = match.captured(4) + match.captured(5);
    for (int i = 0; i < 8; ++i)
        guid.data4[i] = std::uint8_t(rest.mid(i * 2, 2).toUInt(nullptr, 16));
    return guid;
}

QString Guid::toString() const {
    QString rest;
    for (int i = 0; i < 8; ++i) {
        if (i == 2)
            rest += QLatin1Char('-');
        rest += QStringLiteral("%1").arg(data4[i], 2, 16, QLatin1Char('0'));
    }
    return QStringLiteral("{%1-%2-%3-%4}")
        .arg(data1, 8, 16, QLatin1Char('0'))
        .arg(data2, 4, 16, QLatin1Char('0'))
        .arg(data3, 4, 16, QLatin1Char('0'))
        .arg(rest)
        .toUpper();
}

bool Guid::isNull() const {
    return *this == Guid();
}

bool operator==(const Guid& a, const Guid& b) {
    return a.data1 == b.data1 && a.data2 == b.data2 && a.data3 == b.data3 &&
           std::memcmp(a.data4, b.data4, 8) == 0;
}

} // namespace com
