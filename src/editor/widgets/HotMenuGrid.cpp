#include "HotMenuGrid.h"

#include "Language.h"
#include "Pars32H.h"

#include <QContextMenuEvent>
#include <QDataStream>
#include <QHeaderView>
#include <QIODevice>
#include <QMimeData>

namespace {

constexpr int Section9 = 9;
constexpr int ColumnNumber = 0;
constexpr int ColumnCaption = 1;
constexpr int ColumnCount = 2;
constexpr int CaptionColumnWidth = 250; // px; the device's longest captions fit
constexpr int NumberColumnPadding = 16; // px around the row number
// A dragged row names its grid, so that a drop elsewhere (another list, another program)
// is refused.
const QString RowMimeType = QStringLiteral("application/x-tripconf-hotmenu-row");

} // namespace

THotMenuGridModel::THotMenuGridModel(TMK& model, int list, QObject* parent)
    : QAbstractTableModel(parent), model_(model), list_(list) {}

THotMenuList THotMenuGridModel::Entries() const {
    return ReadHotMenu(model_.Section(Section9), list_);
}

void THotMenuGridModel::SetEntries(const THotMenuList& entries) {
    WriteHotMenu(model_.Section(Section9), list_, entries);
    Reload();
}

void THotMenuGridModel::Reload() {
    // dataChanged, not a reset: the selected cell stays where the user left it.
    emit dataChanged(index(0, 0), index(HotMenuSlots - 1, ColumnCount - 1));
}

int THotMenuGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : HotMenuSlots;
}

int THotMenuGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant THotMenuGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const std::uint16_t code = Entries()[std::size_t(index.row())];
    if (index.column() == ColumnNumber) {
        if (role == Qt::DisplayRole) return QString::number(index.row());
        if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
        if (role == Qt::ToolTipRole && code)
            return Tx("Drag onto another row to move this item there",
                      "Перетащите на другую строку, чтобы переместить пункт туда");
        return {};
    }
    if (role == Qt::DisplayRole) return HotMenuCaption(model_.MenuItems, code);
    // An entry this device model does not know stays as it is; say why its row is blank.
    if (role == Qt::ToolTipRole && code && !model_.MenuItems.FindByCode(code))
        return Tx("Menu item %1 is unknown to this device model; it is kept",
                  "Пункт меню %1 неизвестен этой модели; он сохраняется")
            .arg(code);
    return {};
}

QVariant THotMenuGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return section == ColumnNumber ? QStringLiteral("#") : Tx("Menu item", "Пункт меню");
}

Qt::ItemFlags THotMenuGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDropEnabled;
    if (index.column() == ColumnNumber) f |= Qt::ItemIsDragEnabled;
    return f;
}

bool THotMenuGridModel::MoveEntry(int from, int to) {
    return moveRows({}, from, 1, {}, to > from ? to + 1 : to);
}

bool THotMenuGridModel::moveRows(const QModelIndex& sourceParent, int sourceRow, int count,
                                 const QModelIndex& destinationParent, int destinationChild) {
    if (sourceParent.isValid() || destinationParent.isValid() || count != 1) return false;
    if (sourceRow < 0 || sourceRow >= HotMenuSlots || destinationChild < 0 ||
        destinationChild > HotMenuSlots)
        return false;
    const int to = destinationChild > sourceRow ? destinationChild - 1 : destinationChild;
    if (to == sourceRow) return false;
    THotMenuList entries = Entries();
    MoveHotMenuEntry(entries, sourceRow, to);
    beginMoveRows({}, sourceRow, sourceRow, {}, destinationChild);
    WriteHotMenu(model_.Section(Section9), list_, entries);
    endMoveRows();
    emit EntryMoved(sourceRow, to);
    return true;
}

QStringList THotMenuGridModel::mimeTypes() const {
    return {RowMimeType};
}

QMimeData* THotMenuGridModel::mimeData(const QModelIndexList& indexes) const {
    if (indexes.size() != 1) return nullptr;
    QByteArray payload;
    QDataStream out(&payload, QIODevice::WriteOnly);
    out << quint64(reinterpret_cast<quintptr>(this)) << qint32(indexes.front().row());
    auto* data = new QMimeData;
    data->setData(RowMimeType, payload);
    return data;
}

int THotMenuGridModel::dropSource(const QMimeData* data) const {
    if (!data || !data->hasFormat(RowMimeType)) return -1;
    QDataStream in(data->data(RowMimeType));
    quint64 grid = 0;
    qint32 row = -1;
    in >> grid >> row;
    if (in.status() != QDataStream::Ok || grid != quint64(reinterpret_cast<quintptr>(this)))
        return -1;
    return row >= 0 && row < HotMenuSlots ? row : -1;
}

int THotMenuGridModel::dropTarget(int row, const QModelIndex& parent) const {
    if (parent.isValid()) return parent.row(); // released on a row: the entry goes there
    return row >= 0 && row < HotMenuSlots ? row : -1;
}

bool THotMenuGridModel::canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int,
                                        const QModelIndex& parent) const {
    return action == Qt::MoveAction && dropSource(data) >= 0 && dropTarget(row, parent) >= 0;
}

bool THotMenuGridModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row,
                                     int column, const QModelIndex& parent) {
    if (!canDropMimeData(data, action, row, column, parent)) return false;
    return MoveEntry(dropSource(data), dropTarget(row, parent));
}

// ---- view --------------------------------------------------------------------------------

THotMenuView::THotMenuView(QWidget* parent) : QTableView(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // A drop lands on the row under the mouse; the model moves the entry (the rows are
    // never removed, so the view's clean-up after a move finds nothing to clear).
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    setDragDropOverwriteMode(true);
    setDropIndicatorShown(true);
    verticalHeader()->hide();
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setTabKeyNavigation(false); // Tab leaves the grid, as in the rest of the dialog
}

void THotMenuView::setModel(QAbstractItemModel* model) {
    QTableView::setModel(model);
    horizontalHeader()->setSectionResizeMode(ColumnNumber, QHeaderView::Fixed);
    horizontalHeader()->resizeSection(ColumnNumber, NumberColumnWidth());
}

int THotMenuView::NumberColumnWidth() const {
    return fontMetrics().horizontalAdvance(QStringLiteral("00")) + NumberColumnPadding;
}

QSize THotMenuView::sizeHint() const {
    const int frame = 2 * frameWidth();
    const int number = NumberColumnWidth();
    return {frame + number + CaptionColumnWidth,
            frame + horizontalHeader()->sizeHint().height() +
                HotMenuSlots * verticalHeader()->defaultSectionSize()};
}

void THotMenuView::contextMenuEvent(QContextMenuEvent* event) {
    QModelIndex index;
    QPoint at;
    if (event->reason() == QContextMenuEvent::Keyboard) {
        index = currentIndex().isValid() ? currentIndex() : model()->index(0, 0);
        at = viewport()->mapToGlobal(visualRect(index).center());
    } else {
        index = indexAt(event->pos());
        at = event->globalPos();
    }
    if (!index.isValid()) return;
    setCurrentIndex(index);
    event->accept();
    emit MenuRequested(index.row(), at);
}

void THotMenuView::keyPressEvent(QKeyEvent* event) {
    const QModelIndex current = currentIndex();
    if (current.isValid()) {
        const int row = current.row();
        if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
            emit DeleteRequested(row);
            return;
        }
        if (event->modifiers() == Qt::ControlModifier &&
            (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
            emit MoveRequested(row, event->key() == Qt::Key_Up ? row - 1 : row + 1);
            return;
        }
    }
    QTableView::keyPressEvent(event);
}
