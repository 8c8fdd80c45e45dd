#pragma once
#include <QByteArrayView>
#include <QString>

// A length-prefixed text field of a fixed record: one length byte, then `capacity` bytes.
struct FieldSpec {
    int offset;
    int capacity;
    constexpr int end() const { return offset + 1 + capacity; }
};

namespace TextField {

// Trimmed, converted to Windows-1252 ('?' for what it cannot hold), cut to capacity;
// the unused bytes are zeroed.
void write(char *record, FieldSpec f, const QString &text);
// A length byte larger than the capacity is clamped to it; the text comes back trimmed.
QString read(const char *record, FieldSpec f);
// The field's bytes without decoding (length-clamped), for fast comparisons in scans.
int rawLength(const char *record, FieldSpec f);
// The field's stored bytes without the blanks and control characters at either end, undecoded.
QByteArrayView trimmedBytes(const char *record, FieldSpec f);

} // namespace TextField
