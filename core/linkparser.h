#pragma once
// Share links of the service: "https://www.<web host>/file/<code>" and ".../folder/<code>".
#include <QString>

// The regular expression of one share link, for a case-sensitive QRegExp in RegExp
// syntax. Capture 1 is the kind ("file" or "folder"), 2 the code, 3 the password of a
// "p=" query item. Built on each call, since the web host can be moved at run time.
QString shareLinkPattern();

// The service's web site as share links begin: "https://www." and the web host.
QString shareSite();

// The share links of a free text in their canonical form, each once, joined by ";"
// (in no particular order); "" when there are none.
QString parseShareLinks(const QString& text);
