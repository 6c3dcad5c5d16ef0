#pragma once

// One hot-menu list as a grid over the settings model: ten rows of row number | caption of
// the device menu item the row holds. Dragging a row's left cell onto another row moves the
// entry there (moveRows); the view turns right clicks and keys into requests the hot-menu
// page answers.

#include "HotMenuLists.h"

#include <QAbstractTableModel>
#include <QTableView>

class TMK;

class THotMenuGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    THotMenuGridModel(TMK& model, int list, QObject* parent = nullptr);

    int List() const { return list_; }
    THotMenuList Entries() const;
    // Stores the entries into the model's section 9 and shows them.
    void SetEntries(const THotMenuList& entries);
    // Shows the model's entries again (captions included).
    void Reload();
    // Moves the entry at row `from` to row `to`, the rows between shifting one place
    // towards `from`. False when nothing moves.
    bool MoveEntry(int from, int to);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // One row at a time; destinationChild in Qt's sense (the row the entry goes before).
    bool moveRows(const QModelIndex& sourceParent, int sourceRow, int count,
                  const QModelIndex& destinationParent, int destinationChild) override;

    Qt::DropActions supportedDragActions() const override { return Qt::MoveAction; }
    Qt::DropActions supportedDropActions() const override { return Qt::MoveAction; }
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

signals:
    // An entry was moved by a drop or MoveEntry; the page refreshes.
    void EntryMoved(int from, int to);

private:
    // The row a drop puts the dragged entry at, or -1 when the data is not a row of this grid.
    int dropSource(const QMimeData* data) const;
    int dropTarget(int row, const QModelIndex& parent) const;

    TMK& model_;
    int list_;
};

class THotMenuView : public QTableView {
    Q_OBJECT
public:
    explicit THotMenuView(QWidget* parent = nullptr);
    void setModel(QAbstractItemModel* model) override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    // The pop-up menu for a row (right click or the context-menu key), at a screen position.
    void MenuRequested(int row, QPoint globalPos);
    // The Delete key on a row.
    void DeleteRequested(int row);
    // Ctrl+Up / Ctrl+Down on a row: move its entry to the row above or below.
    void MoveRequested(int from, int to);

protected:
    int NumberColumnWidth() const;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
