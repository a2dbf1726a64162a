#pragma once
// The account every fresh stand-in knows, so the demo, README and tests log in alike.
#include "tools/devservice/account.h"

namespace devservice::demo {

inline constexpr char kEmail[] = "demo@brisko.local";
inline constexpr char kPhone[] = "0900000000";
inline constexpr char kPassword[] = "demo1234";

Account account();

} // namespace devservice::demo
