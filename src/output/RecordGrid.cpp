#include "output/RecordGrid.h"

#include "base/Cp1252.h"
#include "base/RecordFile.h"

RecordGridModel::RecordGridModel(const QList<Column> &columns, QObject *parent)
    : QAbstractTableModel(parent), m_columns(columns)
{}

bool RecordGridModel::load(const QString &path, int recordSize)
{
    beginResetModel();
    m_rows = m_loaded = 0;
    m_bytes.clear();
    m_offsets.assign(1, 0);
    m_edits.clear();
    const qsizetype fields = m_columns.size();
    bool complete = true;
    try {
        RecordFile f(path, recordSize);
        f.open();
        m_rows = qsizetype(f.count());
        m_offsets.reserve(size_t(m_rows * fields + 1));
        m_bytes.reserve(m_rows * 64);
        f.scan([&](qint64, const char *rec) {
            for (const Column &c : m_columns) {
                const char *text = rec + c.field.offset + 1;
                int from = 0, to = TextField::rawLength(rec, c.field);
                // Windows-1252 keeps codes 0 to 32 where they are, so trimming the bytes trims the text.
                while (from < to && static_cast<unsigned char>(text[from]) <= 32)
                    ++from;
                while (to > from && static_cast<unsigned char>(text[to - 1]) <= 32)
                    --to;
                m_bytes.append(text + from, to - from);
                m_offsets.push_back(quint32(m_bytes.size()));
            }
            ++m_loaded;
            return true;
        });
    } catch (const ArchiveError &) {
        // The rows read so far stay; the rest of the grid stays empty.
        complete = false;
    }
    endResetModel();
    return complete;
}

int RecordGridModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(m_rows); }

int RecordGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size()) + 1;
}

QString RecordGridModel::stored(qsizetype row, int column) const
{
    if (row < 0 || row >= m_loaded)
        return QString();
    if (column == 0)
        return QString::number(row + 1);
    const size_t i = size_t(row * m_columns.size() + column - 1);
    const quint32 from = m_offsets[i], to = m_offsets[i + 1];
    return Cp1252::toUnicode(QByteArrayView(m_bytes.constData() + from, qsizetype(to - from)));
}

QString RecordGridModel::cell(qsizetype row, int column) const
{
    if (!m_edits.isEmpty()) {
        const auto it = m_edits.constFind(key(row, column));
        if (it != m_edits.constEnd())
            return *it;
    }
    return stored(row, column);
}

QVariant RecordGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return QVariant();
    return cell(index.row(), index.column());
}

QVariant RecordGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == 0)
        return QStringLiteral("N.");
    if (section > 0 && section <= m_columns.size())
        return m_columns.at(section - 1).caption;
    return QVariant();
}

Qt::ItemFlags RecordGridModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() > 0 && index.column() <= m_columns.size()
        && m_columns.at(index.column() - 1).editable)
        f |= Qt::ItemIsEditable;
    return f;
}

bool RecordGridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    m_edits.insert(key(index.row(), index.column()), value.toString());
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

Export::Sheet RecordGridModel::sheet(const QString &fileName, const QString &worksheet) const
{
    Export::Sheet s;
    s.fileName = fileName;
    s.worksheet = worksheet;
    s.question = Export::Question::Archive;
    for (const Column &c : m_columns)
        s.columns.append({c.header, c.width, false});
    s.rowCount = m_rows;
    s.cell = [this](qsizetype row, int column) { return cell(row, column + 1); };
    return s;
}
