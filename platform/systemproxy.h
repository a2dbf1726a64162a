#pragma once
// The system's HTTP proxy: on Linux the http_proxy / HTTP_PROXY variables.
#include <QString>

namespace platform {

// "host:port" of an http_proxy value ("http://user:pw@host:3128/" gives "host:3128"),
// or "" when it names no usable HTTP proxy: empty, no port, or another scheme (socks,
// https), which the program's plain HTTP proxy setting could not speak.
QString proxyHostPort(const QString& proxyUrl);

// proxyHostPort of http_proxy, or of HTTP_PROXY when the former is unset or empty.
QString systemHttpProxy();

} // namespace platform
