#pragma once
#include <QString>

#include <optional>

// The truth values of the archives: "Sì" (0xEC in Windows-1252) and "No".
namespace FlagText {

inline QString of(bool on) { return on ? QStringLiteral("Sì") : QStringLiteral("No"); }
// Anything but the two texts gives no answer, and the screen keeps its box as it was.
inline std::optional<bool> parse(const QString &text)
{
    if (text == QStringLiteral("Sì"))
        return true;
    if (text == QStringLiteral("No"))
        return false;
    return std::nullopt;
}

} // namespace FlagText
