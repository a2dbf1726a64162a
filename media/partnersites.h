#pragma once
// The partner film sites of the film browser. Their home addresses are placeholders under
// the reserved .invalid domain until real partners are named; one feed host (see
// hosts::feedHost) serves the three that have feeds.
#include <QString>
#include <QStringList>

namespace partnersites {

// The eight home addresses, in the chooser's order.
QStringList homeAddresses();
// Whether the site with this home address has a film feed (the 1st, 4th and 6th).
bool hasFeed(const QString& homeAddress);
// The file of the categories chosen for auto-download on that site; empty for an
// address that is no partner's.
QString categoryHistoryFileName(const QString& homeAddress);

// The feed requests; the values are percent-encoded.
QString searchUrl(const QString& keyword);
QString categoryUrl(const QString& guid);

} // namespace partnersites
