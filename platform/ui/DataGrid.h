// A data-aware grid: shows a DatasetModel, follows the object's current row both ways, edits in
// place and stores a row when the grid leaves it or loses the focus.
#pragma once

#include "DatasetModel.h"

#include <QTableView>

namespace dukkano {

using namespace Qt::Literals::StringLiterals;

class DataGrid : public QTableView {
    Q_OBJECT
public:
    explicit DataGrid(QWidget* parent = nullptr);
    ~DataGrid() override;

    void setDatasetModel(DatasetModel* model);
    DatasetModel* datasetModel() const { return m_model; }
    Dataset* dataset() const { return m_model ? m_model->dataset() : nullptr; }

    // Insert, and Down on the last row, start a new row; left untouched it is dropped again.
    void setInsertAllowed(bool allowed) { m_insertAllowed = allowed; }

    // Stores the pending row; a refused row is reported and stays pending. False when refused.
    bool postPending();
    // What a window does with the grid's row before it closes, wherever the focus is: an open
    // cell editor is committed, an untouched new row dropped and the pending row stored.
    bool finishEditing();
    // The same as a window closes: a refused row, already reported, is dropped.
    void finishOrDrop();
    // The grid's own confirmation before Ctrl+Del deletes a row.
    static inline const QString deleteQuestion = u"Delete record?"_s;

    // Asks the question and, on Yes, deletes the current row.
    void removeCurrentRow(const QString& question = deleteQuestion,
                          const QString& caption = u"Dukkano"_s);

signals:
    void entered();          // the focus came into the grid from another control of the window
    void exited();           // the focus went to another control; the pending row is stored first
    void deleteRequested();  // Ctrl+Del on a row

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void followDataset();
    void focusMoved(QWidget* from, QWidget* to);
    bool owns(QWidget* widget) const;
    void startRow();
    void dropUntouchedRow();

    DatasetModel* m_model = nullptr;
    bool m_insertAllowed = false;
    bool m_startedRow = false;
    bool m_insertTouched = false;
    bool m_following = false;
};

} // namespace dukkano
