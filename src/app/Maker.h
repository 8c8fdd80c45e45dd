#pragma once
#include <QString>

// The maker's endpoints, shown on the menu banner, the credits and the information screen.
namespace Maker {
inline QString webSite() { return QStringLiteral("https://www.lunaresca.it"); }
inline QString supportAddress() { return QStringLiteral("assistenza@lunaresca.it"); }
} // namespace Maker
