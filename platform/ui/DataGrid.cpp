// The data-aware grid and its editor, which filters typed keys by the column's kind of entry.
#include "DataGrid.h"

#include "Dialogs.h"
#include "Guarded.h"
#include "KeyFilters.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QStyledItemDelegate>

namespace dukkano {
namespace {

class GridDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        const auto* model = qobject_cast<const DatasetModel*>(index.model());
        auto* line = qobject_cast<QLineEdit*>(editor);
        if (model && line && model->column(index.column()).entry == GridEntry::Number)
            installNumberEntryFilter(line);
        return editor;
    }
};

} // namespace

DataGrid::DataGrid(QWidget* parent) : QTableView(parent)
{
    setItemDelegate(new GridDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                    | QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    setShowGrid(true);
    setWordWrap(false);
    horizontalHeader()->setSectionsMovable(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    connect(qApp, &QApplication::focusChanged, this, guarded(this, &DataGrid::focusMoved));
}

// The focus leaves a grid that is being destroyed; that is no leaving to report.
DataGrid::~DataGrid()
{
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
}

void DataGrid::setDatasetModel(DatasetModel* model)
{
    m_model = model;
    setModel(model);
    Dataset* data = model->dataset();
    connect(data, &Dataset::afterScroll, this, &DataGrid::followDataset);
    connect(data, &Dataset::reset, this, &DataGrid::followDataset);
    connect(data, &Dataset::rowInserted, this, &DataGrid::followDataset);
    connect(data, &Dataset::afterPost, this, &DataGrid::followDataset);
    connect(data, &Dataset::stateChanged, this, [this] {
        if (dataset()->state() != Dataset::State::Insert)
            m_startedRow = false;
    });
    connect(model, &DatasetModel::fieldEdited, this, [this] { m_insertTouched = true; });
    followDataset();
}

// The object moved (or was opened, or appended): the grid shows the same row.
void DataGrid::followDataset()
{
    Dataset* data = dataset();
    if (!data || m_following)
        return;
    const int row = data->currentRow();
    if (row < 0 || row == currentIndex().row())
        return;
    m_following = true;
    const int column = currentIndex().isValid() ? currentIndex().column() : 0;
    setCurrentIndex(m_model->index(row, column));
    m_following = false;
}

// The user moved to another row: the row left behind is stored (or dropped, when it is a new
// row nobody typed into), then the object moves along.
void DataGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    Dataset* data = dataset();
    if (m_following || !data || !current.isValid() || current.row() == data->currentRow())
        return;
    runGuarded([&] {
        const QScopedValueRollback<bool> following(m_following, true);
        dropUntouchedRow();
        if (postPending() && current.row() < data->recordCount())
            data->setRecNo(current.row() + 1);
    });
    followDataset();
}

bool DataGrid::postPending()
{
    Dataset* data = dataset();
    if (!data || data->state() == Dataset::State::Browse || data->state() == Dataset::State::Closed)
        return true;
    try {
        data->post();
    } catch (const DataError& error) {
        showMessage(error.message());
        return false;
    }
    return true;
}

bool DataGrid::finishEditing()
{
    if (QWidget* editor = indexWidget(currentIndex()))
        commitData(editor);
    dropUntouchedRow();
    return postPending();
}

void DataGrid::finishOrDrop()
{
    if (!finishEditing() && dataset())
        dataset()->cancel();
}

void DataGrid::removeCurrentRow(const QString& question, const QString& caption)
{
    Dataset* data = dataset();
    if (!data || data->isEmpty() || !dialogs().question(question, caption, QuestionButtons::YesNo))
        return;
    data->remove();
}

void DataGrid::startRow()
{
    if (!postPending())
        return;
    dataset()->append();
    m_startedRow = true;
    m_insertTouched = false;
}

// A row the grid started and nobody typed into is not stored.
void DataGrid::dropUntouchedRow()
{
    Dataset* data = dataset();
    if (data && data->state() == Dataset::State::Insert && m_startedRow && !m_insertTouched)
        data->cancel();
}

void DataGrid::keyPressEvent(QKeyEvent* event)
{
    runGuarded([&] {
        Dataset* data = dataset();
        const bool onLastRow = data && currentIndex().row() == m_model->rowCount() - 1;
        if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::ControlModifier) {
            if (data && !data->isEmpty())
                emit deleteRequested();
            return;
        }
        if (m_insertAllowed && data && !data->isReadOnly() && data->state() != Dataset::State::Insert
            && event->modifiers() == Qt::NoModifier
            && (event->key() == Qt::Key_Insert || (event->key() == Qt::Key_Down && onLastRow))) {
            startRow();
            return;
        }
        QTableView::keyPressEvent(event);
    });
}

bool DataGrid::owns(QWidget* widget) const
{
    return widget && (widget == this || isAncestorOf(widget));
}

// Leaving means the focus went to another control of the same window; a message box or
// another program taking the focus is not leaving.
void DataGrid::focusMoved(QWidget* from, QWidget* to)
{
    if (!to || to->window() != window())
        return;
    if (owns(to) && !owns(from)) {
        emit entered();
    } else if (owns(from) && !owns(to)) {
        dropUntouchedRow();
        if (postPending())
            emit exited();
    }
}

} // namespace dukkano
