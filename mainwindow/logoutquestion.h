#pragma once
// The question the logout commands ask before they log the account out.
class QWidget;

// True when the user answered OK.
bool confirmLogout(QWidget* parent);
