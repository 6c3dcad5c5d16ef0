// A numeric column of a grid (a QTableView over a QStandardItemModel): row r of the column
// edits element r of the field, counted from the row's element. The page decides how many
// rows the grid has; cells are edited through the column's input mask and any edit marks
// the column as modified until the grid is left, when the modified columns are committed.

#include "ControlAdapterKinds.h"

#include <QLineEdit>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QTableView>

namespace {

// Keeps only the digits of a cell: what a mask cannot stop (a pasted or loaded text) does
// not make the whole column fail.
double DigitsValue(const QString& text) {
    QString digits;
    for (QChar c : text)
        if (c >= u'0' && c <= u'9') digits += c;
    return digits.isEmpty() ? 0 : digits.toDouble();
}

class TColumnDelegate final : public QStyledItemDelegate {
public:
    TColumnDelegate(const char* mask, bool& modified, QObject* parent)
        : QStyledItemDelegate(parent), mask_(QString::fromUtf8(mask ? mask : "")),
          modified_(modified) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex&) const override {
        auto* editor = new QLineEdit(parent);
        if (!mask_.isEmpty()) editor->setInputMask(mask_);
        return editor;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        static_cast<QLineEdit*>(editor)->setText(index.data(Qt::EditRole).toString());
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override {
        const QString text = static_cast<QLineEdit*>(editor)->text();
        if (text == index.data(Qt::EditRole).toString()) return;
        model->setData(index, text, Qt::EditRole);
        modified_ = true;
    }

private:
    QString mask_;
    bool& modified_;
};

class TGridColumnAdapter final : public TControlAdapter {
public:
    TGridColumnAdapter(const TControlRow& row, QTableView* view)
        : TControlAdapter(view), view_(view), column_(row.column) {
        QAbstractItemModel* model = view_->model();
        if (model->columnCount() <= column_)
            model->insertColumns(model->columnCount(), column_ + 1 - model->columnCount());
        view_->setItemDelegateForColumn(column_, new TColumnDelegate(row.mask, modified_, view_));
    }
    void OnUserCommit(QObject* context, std::function<void()> commit) override {
        OnFocusLeaving(view_, context, std::move(commit));
    }
    void Load(const TBoundField& field) override {
        QAbstractItemModel* model = view_->model();
        const int rows = std::min(model->rowCount(), field.Count());
        for (int r = 0; r < rows; ++r)
            model->setData(model->index(r, column_), QString::number(std::int64_t(field.Number(r))),
                           Qt::EditRole);
        modified_ = false;
    }
    // Stores row after row; a value that does not fit stops there (the rows before it are
    // stored) with a range error.
    TCommitResult Commit(TBoundField& field, const TAcceptCheck&) override {
        FinishOpenEdit();
        if (!modified_) return TCommitResult::Nothing; // the grid's handler need not run

        const QAbstractItemModel* model = view_->model();
        const int rows = std::min(model->rowCount(), field.Count());
        for (int r = 0; r < rows; ++r)
            field.SetNumber(DigitsValue(model->index(r, column_).data(Qt::EditRole).toString()), r);
        modified_ = false;
        return TCommitResult::Stored;
    }

private:
    // OK pressed while a cell of this column is still being edited: take its text first.
    void FinishOpenEdit() {
        const QModelIndex current = view_->currentIndex();
        if (!current.isValid() || current.column() != column_) return;
        if (QWidget* editor = view_->indexWidget(current))
            view_->itemDelegateForIndex(current)->setModelData(editor, view_->model(), current);
    }

    QTableView* view_;
    int column_;
    bool modified_ = false;
};

} // namespace

std::unique_ptr<TControlAdapter> MakeGridColumnAdapter(const TControlRow& row, QWidget* parent) {
    // The first column creates the grid; the others find it.
    const QString name = QString::fromUtf8(row.name);
    auto* view = parent->findChild<QTableView*>(name, Qt::FindDirectChildrenOnly);
    if (!view) {
        view = new QTableView(parent);
        view->setModel(new QStandardItemModel(0, 0, view));
    }
    return std::make_unique<TGridColumnAdapter>(row, view);
}
