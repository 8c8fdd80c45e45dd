#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringView>

#include <functional>
#include <optional>

class QIODevice;

// The spreadsheet files of the three exports: an HTML table with the office namespaces and a
// one-sheet workbook description, in Windows-1252, all on one line, saved as ".xls" in the
// program's folder.
namespace Export {

struct Column {
    QString title;
    int width = 0;
    bool amount = false; // right-aligned cells
};

enum class Question { Archive, Bill };

// One export: its file, its sheet, the columns and the rows left to right, top to bottom.
struct Sheet {
    QString fileName;
    QString worksheet;
    Question question = Question::Archive;
    QList<Column> columns;
    qsizetype rowCount = 0;
    std::function<QString(qsizetype row, int column)> cell;
    std::optional<QString> total; // the bill's total row
};

QString archiveQuestion();
QString billQuestion();
QString doneQuestion();
QString failureText();

// The pieces before the table rows and after them.
QByteArray opening(const QString &worksheet);
QByteArray closing();
// A cell value as written: trimmed, "&", "<" and ">" escaped (so the spreadsheet shows the
// field's own text and a value cannot end the cell), in Windows-1252.
void appendValue(QByteArray &out, QStringView value);

// Writes the file's bytes to `device` in blocks; false as soon as a write falls short.
bool write(QIODevice &device, const Sheet &sheet);
// The whole file in memory.
QByteArray bytes(const Sheet &sheet);
// Replaces `path` with the file, or leaves whatever stood there untouched when any write,
// the flush or the commit fails.
bool save(const QString &path, const Sheet &sheet);

} // namespace Export
