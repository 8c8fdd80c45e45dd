#pragma once
// Turns a fuzzer's bytes into the program's own inputs: text as a workstation would hand it
// over (Windows-1252 bytes or UTF-8 as typed), and pieces cut at a separator byte.
#include "base/Cp1252.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>
#include <cstdlib>

namespace FuzzInput {

inline QByteArray bytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

// The first byte chooses the decoding, so both code pages and any UTF-16 unit are reached.
inline QString text(const QByteArray &b)
{
    if (b.isEmpty())
        return QString();
    const QByteArray rest = b.mid(1);
    switch (static_cast<unsigned char>(b[0]) % 3) {
    case 0:
        return Cp1252::toUnicode(rest);
    case 1:
        return QString::fromUtf8(rest);
    default:
        return QString(reinterpret_cast<const QChar *>(rest.constData()), rest.size() / 2);
    }
}

inline QList<QByteArray> pieces(const QByteArray &b, char separator = '\x1F') { return b.split(separator); }

// A property that must hold: stops the run with the input saved by the fuzzer.
inline void require(bool ok)
{
    if (!ok)
        std::abort();
}

} // namespace FuzzInput
