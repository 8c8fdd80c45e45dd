#pragma once
#include "base/TextField.h"
#include "output/Export.h"

#include <QAbstractTableModel>
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <vector>

// The grid of an archive export: one row per record, column 0 the record's position, the other
// columns fields of the record. The archive is read in one pass and only the shown fields are
// kept, as Windows-1252 bytes, so 50,000 guest cards take a few megabytes. Edits stay in the
// grid: they reach the export, never the archive.
class RecordGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Column {
        QString caption;
        FieldSpec field;
        QString header; // in the export file
        int width;      // in the export file
        bool editable;
    };

    explicit RecordGridModel(const QList<Column> &columns, QObject *parent = nullptr);

    // Reads the archive at `path` (created empty when missing). A failure stops the filling:
    // the rows read so far are kept, the others stay empty, and the answer is false.
    bool load(const QString &path, int recordSize);
    // Rows read; less than rowCount() when the archive failed part way.
    qsizetype loadedRows() const { return m_loaded; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    // A cell as the grid shows it, edits included.
    QString cell(qsizetype row, int column) const;
    const QList<Column> &columns() const { return m_columns; }
    // The export of the grid: columns 1 to the last, rows top to bottom.
    Export::Sheet sheet(const QString &fileName, const QString &worksheet) const;

private:
    QString stored(qsizetype row, int column) const;
    static qint64 key(qsizetype row, int column) { return qint64(row) * 256 + column; }

    QList<Column> m_columns;
    qsizetype m_rows = 0;
    qsizetype m_loaded = 0;
    // The fields of every loaded row back to back; row r, field c (0-based) runs from
    // m_offsets[r * n + c] to m_offsets[r * n + c + 1], n being the number of fields.
    QByteArray m_bytes;
    std::vector<quint32> m_offsets;
    QHash<qint64, QString> m_edits;
};
