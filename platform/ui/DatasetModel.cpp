// The grid model over a table or query object.
#include "DatasetModel.h"

#include "Dialogs.h"

#include <QLocale>

namespace dukkano {

DatasetModel::DatasetModel(Dataset& dataset, QVector<GridColumn> columns, QObject* parent)
    : QAbstractTableModel(parent), m_dataset(&dataset), m_columns(std::move(columns))
{
    for (const GridColumn& c : m_columns)
        m_fieldIndexes << dataset.fieldIndex(c.field);

    // The object has already changed when it tells us; the views re-read at once.
    connect(&dataset, &Dataset::reset, this, [this] {
        beginResetModel();
        endResetModel();
    });
    connect(&dataset, &QObject::destroyed, this, [this] {
        beginResetModel();
        endResetModel();
    });
    connect(&dataset, &Dataset::rowInserted, this, [this](int row) {
        beginInsertRows(QModelIndex(), row, row);
        endInsertRows();
    });
    connect(&dataset, &Dataset::rowRemoved, this, [this](int row) {
        beginRemoveRows(QModelIndex(), row, row);
        endRemoveRows();
    });
    connect(&dataset, &Dataset::rowChanged, this, [this](int row) {
        if (row >= 0 && !m_columns.isEmpty())
            emit dataChanged(index(row, 0), index(row, int(m_columns.size()) - 1));
    });
}

int DatasetModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || !m_dataset)
        return 0;
    return m_dataset->recordCount();
}

int DatasetModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant DatasetModel::valueAt(const QModelIndex& index) const
{
    if (!m_dataset || !index.isValid())
        return QVariant();
    return m_dataset->valueAt(index.row(), m_fieldIndexes[index.column()]);
}

QVariant DatasetModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.column() >= m_columns.size())
        return QVariant();
    const GridColumn& c = m_columns[index.column()];
    switch (role) {
    case Qt::DisplayRole:
        return displayText(valueAt(index), c.moneyDisplay);
    case Qt::EditRole:
        return displayText(valueAt(index), false);
    case RawValueRole:
        return valueAt(index);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(c.alignment);
    default:
        return QVariant();
    }
}

QVariant DatasetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < m_columns.size())
        return m_columns[section].title;
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags DatasetModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (!index.isValid() || !m_dataset)
        return f;
    const bool editable = !m_readOnly && !m_dataset->isReadOnly() && !m_columns[index.column()].readOnly
                          && m_fieldIndexes[index.column()] >= 0;
    return editable ? f | Qt::ItemIsEditable : f;
}

bool DatasetModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const QString text = value.toString();
    if (text == data(index, Qt::EditRole).toString())
        return false;
    // A message box takes the focus from the editor, which commits once more: that second
    // commit must neither write nor complain again.
    if (m_writing)
        return false;
    m_writing = true;
    const bool written = writeField(index.row(), index.column(), text);
    m_writing = false;
    if (written)
        emit fieldEdited(index.row(), m_columns[index.column()].field);
    return written;
}

bool DatasetModel::writeField(int row, int column, const QString& text)
{
    const GridColumn& c = m_columns[column];
    if (c.check) {
        const QString refusal = c.check(text);
        if (!refusal.isEmpty()) {
            showMessage(refusal);
            return false;
        }
    }
    const bool wasBrowsing = m_dataset->state() == Dataset::State::Browse;
    try {
        if (m_dataset->currentRow() != row)
            m_dataset->setRecNo(row + 1);
        m_dataset->edit();
        m_dataset->setValue(c.field, text);
    } catch (const DataError& error) {
        if (wasBrowsing && m_dataset->state() == Dataset::State::Edit)
            m_dataset->cancel();
        showMessage(error.message());
        return false;
    }
    return true;
}

} // namespace dukkano
