// The one grid model over a table or query object: the columns a window chooses, formatted
// Turkish text for display, raw edit text underneath, and edits written through the object.
#pragma once

#include "Dataset.h"

#include <QAbstractTableModel>
#include <QPointer>
#include <QVector>
#include <functional>

namespace dukkano {

// How a column's editor filters typed keys.
enum class GridEntry { Text, Number };

struct GridColumn {
    GridColumn(QString field, QString title, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
        : field(std::move(field)), title(std::move(title)), alignment(alignment) {}

    QString field;
    QString title;
    bool readOnly = false;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool moneyDisplay = false;  // "12,50 TL"; other money fields show as plain numbers
    GridEntry entry = GridEntry::Text;
    // Looks at a typed text before it is written: the refusal to show, or an empty text.
    std::function<QString(const QString& text)> check;
};

class DatasetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The typed value of a field (Money, qint64, double, QString, QDate, bool).
    static constexpr int RawValueRole = Qt::UserRole;

    DatasetModel(Dataset& dataset, QVector<GridColumn> columns, QObject* parent = nullptr);

    Dataset* dataset() const { return m_dataset; }
    const GridColumn& column(int column) const { return m_columns[column]; }
    // Read-only as a whole, whatever the columns say (an empty basket, a read-only list).
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }
    bool isReadOnly() const { return m_readOnly; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Moves the object to the row, puts it into edit and writes the field; the row is posted
    // later, when the grid leaves it. A refused text is reported and changes nothing.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
    // A field of the row was written into the object's edit buffer.
    void fieldEdited(int row, const QString& field);

private:
    QVariant valueAt(const QModelIndex& index) const;
    bool writeField(int row, int column, const QString& text);

    QPointer<Dataset> m_dataset;
    QVector<GridColumn> m_columns;
    QVector<int> m_fieldIndexes;
    bool m_readOnly = false;
    bool m_writing = false;
};


} // namespace dukkano
