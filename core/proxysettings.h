#pragma once
// The proxy choice of the options: none, the system's, or one typed by the user.
#include <QString>

#include <string>

// The system proxy as "host:port", or "" when there is none.
QString getSystemProxy();

// The proxy provider of the transfer-handle factory (utils::set_proxy_provider): true
// with host and port when a proxy is to be used. Reads the settings on every call, so
// changes apply to the next transfer. With no proxy chosen it returns false and
// touches neither output.
bool applyProxySettings(std::string& host, unsigned short& port);
