#include "JournalTables.h"

#include <QHeaderView>
#include <QTableWidget>
#include <algorithm>

namespace journals::ui {

namespace {

QTableWidgetItem* TextItem(const QString& text, Qt::ItemFlags flags) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(flags);
    return item;
}

} // namespace

QTableWidget* MakeGrid(QWidget* parent, const char* name, std::initializer_list<int> widths) {
    auto* grid = new QTableWidget(parent);
    grid->setObjectName(QString::fromLatin1(name));
    grid->setColumnCount(int(widths.size()));
    int column = 0;
    for (int w : widths)
        grid->setColumnWidth(column++, w);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setWordWrap(false);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setMinimumSectionSize(RowHeight);
    grid->verticalHeader()->setDefaultSectionSize(RowHeight);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->horizontalHeader()->setHighlightSections(false);
    grid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return grid;
}

int FitColumns(QTableWidget* grid, std::span<const int> least) {
    const QHeaderView* header = grid->horizontalHeader();
    int total = 0;
    for (int c = 0; c < grid->columnCount(); ++c) {
        int width = static_cast<const QAbstractItemView*>(grid)->sizeHintForColumn(c);
        if (!header->isHidden()) width = std::max(width, header->sectionSizeHint(c));
        if (c < int(least.size())) width = std::max(width, least[std::size_t(c)]);
        grid->setColumnWidth(c, width);
        total += width;
    }
    return total;
}

void FillGrid(QTableWidget* grid, const TextTable& table, bool rightAligned) {
    if (table.empty()) return;
    grid->setHorizontalHeaderLabels(table.front());
    grid->setRowCount(int(table.size()) - 1);
    const QBrush fixedCell = grid->palette().button();
    for (int r = 1; r < int(table.size()); ++r) {
        const QStringList& row = table[std::size_t(r)];
        for (int c = 0; c < row.size(); ++c) {
            QTableWidgetItem* item = TextItem(row[c], Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            if (c == 0)
                item->setBackground(fixedCell);
            else if (rightAligned)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid->setItem(r - 1, c, item);
        }
    }
}

void FillLabelValues(QTableWidget* grid, const std::vector<LabelValue>& rows) {
    grid->clearContents();
    grid->setRowCount(int(rows.size()));
    const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    for (int r = 0; r < int(rows.size()); ++r) {
        grid->setItem(r, 0, TextItem(rows[std::size_t(r)].label, flags));
        grid->setItem(r, 1, TextItem(rows[std::size_t(r)].value, flags));
    }
}

} // namespace journals::ui
