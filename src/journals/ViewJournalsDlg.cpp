// The viewer's window: four pages and OK / Cancel below them.

#include "MK_ViewJournalsH.h"

#include "HandlerGuard.h"
#include "JournalTables.h"
#include "Language.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

using namespace journals;

namespace {

constexpr int DialogWidth = 1016;
constexpr int DialogHeight = 523;
// The drive tables' designed column widths; longer texts widen their columns.
constexpr int kDriveColumnWidths[] = {50, 140, 96, 84, 131, 156, 145, 113, 78};

struct DrivePageNames {
    const char* page;
    const char* grid;
    const char* save;
    const char* clear;
};

const DrivePageNames kDrivePages[2] = {
    {"tsTripJournal", "sgTripJournal", "bSaveTripJournal", "bClearTripJournal"},
    {"tsTankJournal", "sgTankJournal", "bSaveTankJournal", "bClearTankJournal"},
};

// Adder tables by page column; the hint takes the third place of the right column.
const Adder kAdderColumns[3][3] = {
    {Adder::AllSum, Adder::TripSum, Adder::ResetSum},
    {Adder::StopSum, Adder::NoStopSum, Adder::TankSum},
    {Adder::OilOnlySum, Adder::GasOnlySum, Adder::OilOnlySum},
};

const TText kSaveText = {"Save to file", "Сохранить в файл"};
const TText kClearText = {"Clear", "Очистить"};

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

int Index(DriveJournal j) {
    return j == DriveJournal::Trip ? 0 : 1;
}

} // namespace

TMK_ViewJournalsDlg::TMK_ViewJournalsDlg(TMK& model, QWidget* parent)
    : QDialog(parent), model_(model), faultStyle_(CurrentFaultCodeStyle(model)) {
    setObjectName(QStringLiteral("MK_ViewJournalsDlg"));
    setWindowTitle(Tx("Viewing logs", "Просмотр журналов"));

    pcJournals_ = new QTabWidget(this);
    pcJournals_->setObjectName(QStringLiteral("pcJournals"));
    pcJournals_->addTab(MakeDrivePage(DriveJournal::Trip), DriveJournalCaption(DriveJournal::Trip));
    pcJournals_->addTab(MakeDrivePage(DriveJournal::Tank), DriveJournalCaption(DriveJournal::Tank));
    pcJournals_->addTab(MakeAveragePage(), SumsCaption());
    pcJournals_->addTab(MakeFaultsPage(), FaultJournalCaption());

    QPushButton* bOK = MakeButton(this, "bOK", QStringLiteral("OK"));
    QPushButton* bCancel = MakeButton(this, "bCancel", Tx("Cancel", "Отмена"));
    bOK->setDefault(true);
    connect(bOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(bCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(bOK);
    buttons->addWidget(bCancel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(pcJournals_);
    layout->addLayout(buttons);
    setSizeGripEnabled(true);

    FillDriveTable(DriveJournal::Trip);
    FillDriveTable(DriveJournal::Tank);
    for (Adder a : AllAdders)
        FillAdderTable(a);
    FillFaultTable();
    sgErrors_->setCurrentCell(0, 0);
    sgErrorsSelectCell(0);
    // The designed size, grown where this system's fonts or the journals' values need more
    // room (the tables are filled and fitted by now).
    resize(std::max(DialogWidth, sizeHint().width()), std::max(DialogHeight, sizeHint().height()));
}

void TMK_ViewJournalsDlg::FitDriveTable(QTableWidget* grid) {
    // The whole journal fits without scrolling; a larger dialog gives its width to the last
    // column.
    const int frame = 2 * grid->frameWidth();
    grid->setMinimumSize(ui::FitColumns(grid, kDriveColumnWidths) + frame,
                         grid->horizontalHeader()->sizeHint().height() +
                             JournalRecordCount * ui::RowHeight + frame);
}

QWidget* TMK_ViewJournalsDlg::MakeDrivePage(DriveJournal journal) {
    const DrivePageNames& n = kDrivePages[Index(journal)];
    auto* page = new QWidget;
    page->setObjectName(QString::fromLatin1(n.page));
    // Its column widths and minimum size come with its texts (FitDriveTable).
    QTableWidget* grid = ui::MakeGrid(page, n.grid, {});
    grid->setColumnCount(int(std::size(kDriveColumnWidths)));
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    driveTables_[std::size_t(Index(journal))] = grid;

    QPushButton* save = MakeButton(page, n.save, kSaveText.text());
    QPushButton* clear = MakeButton(page, n.clear, kClearText.text());
    connect(save, &QPushButton::clicked, this,
            Guarded([this, journal] { SaveDriveJournal(journal); }));
    connect(clear, &QPushButton::clicked, this,
            Guarded([this, journal] { ClearDriveJournal(journal); }));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(save);
    buttons->addWidget(clear);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(4);
    layout->addWidget(grid);
    layout->addLayout(buttons);
    return page;
}

QWidget* TMK_ViewJournalsDlg::MakeAveragePage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tsAverage"));
    auto* layout = new QGridLayout(page);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setHorizontalSpacing(16);
    layout->setVerticalSpacing(2);
    for (int col = 0; col < 3; ++col) {
        for (int place = 0; place < 3; ++place) {
            if (col == 2 && place == 2) {
                auto* hint = new QLabel(Tx("To reset the adders, double-click on the "
                                           "corresponding table",
                                           "Для сброса накопителей сделайте двойной щелчок "
                                           "мыши на соответствующей таблице"),
                                        page);
                hint->setObjectName(QStringLiteral("lHint"));
                hint->setWordWrap(true);
                hint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
                layout->addWidget(hint, 2 * place, col, 2, 1);
                continue;
            }
            const Adder adder = kAdderColumns[col][place];
            const QString field = QString::fromLatin1(AdderFieldName(adder));
            auto* caption = new QLabel(AdderCaption(adder), page);
            caption->setObjectName(QStringLiteral("l") + field);
            QTableWidget* grid =
                ui::MakeGrid(page, ("sg" + field).toLatin1().constData(), {180, 118});
            grid->horizontalHeader()->hide();
            grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            grid->setFixedSize(180 + 118 + 2 * grid->frameWidth(),
                               6 * ui::RowHeight + 2 * grid->frameWidth());
            connect(grid, &QTableWidget::cellDoubleClicked, this,
                    Guarded([this, adder] { AdderDblClick(adder); }));
            adderTables_[std::size_t(adder)] = grid;
            layout->addWidget(caption, 2 * place, col);
            layout->addWidget(grid, 2 * place + 1, col);
        }
    }
    layout->setRowStretch(6, 1);
    layout->setColumnStretch(3, 1);
    return page;
}

QWidget* TMK_ViewJournalsDlg::MakeFaultsPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tsErrors"));
    sgErrors_ = ui::MakeGrid(page, "sgErrors", {40, 120, 210});
    sgErrors_->setSelectionBehavior(QAbstractItemView::SelectRows);
    sgErrors_->horizontalHeader()->setStretchLastSection(true);
    sgErrors_->setMinimumWidth(40 + 120 + 210 + 4);
    sgFreezeFrame_ = ui::MakeGrid(page, "sgFreezeFrame", {400, 150});
    sgFreezeFrame_->horizontalHeader()->hide();
    sgFreezeFrame_->horizontalHeader()->setStretchLastSection(true);
    connect(sgErrors_, &QTableWidget::currentCellChanged, this,
            Guarded([this](int row) { sgErrorsSelectCell(row); }));
    // A click below the last row (or a ctrl-click) drops the highlight but not the current
    // slot, whose freeze frame stays shown; keep that slot's row marked.
    connect(sgErrors_, &QTableWidget::itemSelectionChanged, this, [this] {
        if (sgErrors_->selectedItems().isEmpty() && sgErrors_->currentRow() >= 0)
            sgErrors_->selectRow(sgErrors_->currentRow());
    });

    QPushButton* clear = MakeButton(page, "bClearErrors", kClearText.text());
    connect(clear, &QPushButton::clicked, this, Guarded([this] { bClearErrorsClick(); }));

    auto* left = new QVBoxLayout;
    left->addWidget(sgErrors_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(clear);
    buttons->addStretch();
    left->addLayout(buttons);
    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(left, 2);
    layout->addWidget(sgFreezeFrame_, 3);
    return page;
}
