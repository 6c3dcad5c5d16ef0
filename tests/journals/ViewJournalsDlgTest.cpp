#include "../model/ImageBuilder.h"
#include "DialogTestSupport.h"
#include "MK_ViewJournalsH.h"
#include "records/JournalTestData.h"

#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace journals;

namespace {

template <typename T> T* Find(QWidget* dlg, const char* name) {
    T* w = dlg->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

QString Cell(QTableWidget* t, int row, int col) {
    const QTableWidgetItem* item = t->item(row, col);
    return item ? item->text() : QString();
}

QStringList FreezeLabels(QWidget* dlg) {
    auto* ff = Find<QTableWidget>(dlg, "sgFreezeFrame");
    QStringList labels;
    for (int r = 0; r < ff->rowCount(); ++r)
        labels << Cell(ff, r, 0);
    return labels;
}

// A model read from an image, as after "Read settings": sections at their table addresses.
void LoadImage(TMK& m) {
    TMK source;
    m.SettingsImage = imageWithTable(standardTable());
    PutFault(source, 0, 600, 1, 2, 0x0301, 0x0301);
    source.Set("AllSum", 1, 5000);
    m.Section(1) = source.Section(1);
    m.Section(7) = source.Section(7);
    m.Section(11) = source.Section(11);
    m.WriteSections(1, 11);
}

// Runs the dialog through the model as the main window does, acting on it once it is up.
bool RunWith(TMK& m, const std::function<void(TMK_ViewJournalsDlg*)>& act) {
    QTimer::singleShot(0, [&] {
        auto* dlg = qobject_cast<TMK_ViewJournalsDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dlg, nullptr);
        act(dlg);
    });
    return RunViewJournalsDialog(m, nullptr);
}

class ViewJournalsDlg : public ::testing::Test {
protected:
    void SetUp() override { TestApp(); }
};

} // namespace

TEST_F(ViewJournalsDlg, ShowsTheJournalsInEitherLanguage) {
    TMK m;
    for (bool english : {true, false}) {
        LanguageScope lang(english);
        TMK_ViewJournalsDlg dlg(m);
        auto* pages = Find<QTabWidget>(&dlg, "pcJournals");
        ASSERT_EQ(pages->count(), 4);
        EXPECT_EQ(pages->tabText(0), english ? "Trip log" : "Журнал поездок");
        EXPECT_EQ(pages->tabText(3), english ? "Faults log" : "Журнал ошибок");
        EXPECT_EQ(dlg.windowTitle(), english ? "Viewing logs" : "Просмотр журналов");

        auto* trip = Find<QTableWidget>(&dlg, "sgTripJournal");
        ASSERT_EQ(trip->columnCount(), 9);
        ASSERT_EQ(trip->rowCount(), 21); // under the header row
        EXPECT_EQ(trip->horizontalHeaderItem(8)->text(), english ? "Cost" : "Стоимость");
        EXPECT_EQ(Cell(trip, 0, 0), english ? "Last" : "Посл.");
        EXPECT_EQ(Cell(trip, 0, 1), english ? "Empty" : "Пусто");
        EXPECT_EQ(Cell(trip, 1, 1), "08:17   15.11");
        EXPECT_EQ(Cell(trip, 20, 0), "20");
        EXPECT_EQ(trip->item(1, 3)->textAlignment(), int(Qt::AlignRight | Qt::AlignVCenter));
        EXPECT_EQ(trip->columnWidth(5), 156);
        EXPECT_EQ(trip->rowHeight(3), 18);
        EXPECT_EQ(Cell(Find<QTableWidget>(&dlg, "sgTankJournal"), 0, 3), "100.456");

        for (Adder a : AllAdders) {
            const QString name = QStringLiteral("sg") + AdderFieldName(a);
            auto* t = dlg.findChild<QTableWidget*>(name);
            ASSERT_NE(t, nullptr) << name.toStdString();
            EXPECT_EQ(t->rowCount(), 6);
        }
        EXPECT_TRUE(Find<QLabel>(&dlg, "lHint")
                        ->text()
                        .contains(english ? "double-click" : "двойной щелчок"));
        EXPECT_EQ(Find<QTableWidget>(&dlg, "sgErrors")->currentRow(), 0);
    }
}

TEST_F(ViewJournalsDlg, SavesADriveTableAsTabbedLines) {
    LanguageScope lang(true);
    PromptScope prompt;
    QTemporaryDir dir;
    TMK m;
    ClearDriveJournal(m, DriveJournal::Tank);
    TMK_ViewJournalsDlg dlg(m);

    const QString tankPath = dir.filePath("tank.txt");
    prompt.prompt->savePaths = {tankPath};
    Find<QPushButton>(&dlg, "bSaveTankJournal")->click();
    EXPECT_EQ(prompt.prompt->suffixes.last(), "txt");
    QFile f(tankPath);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray text = f.readAll();
    EXPECT_EQ(text.count("\r\n"), 22);
    EXPECT_EQ(text.count('\t'), 22 * 9);
    EXPECT_TRUE(text.contains("Last\tEmpty\t\t\t\t\t\t\t\t\r\n"));

    // The trip page saves its own journal; a failed save is reported, not swallowed.
    prompt.prompt->savePaths = {dir.filePath("no/such/dir/trip.txt")};
    Find<QPushButton>(&dlg, "bSaveTripJournal")->click();
    EXPECT_EQ(prompt.prompt->errors.size(), 1);
    prompt.prompt->savePaths.clear(); // cancelled
    Find<QPushButton>(&dlg, "bSaveTripJournal")->click();
    EXPECT_EQ(prompt.prompt->errors.size(), 1);
}

TEST_F(ViewJournalsDlg, CancelDiscardsEveryClear) {
    LanguageScope lang(true);
    TMK m;
    LoadImage(m);
    const QByteArray image = m.SettingsImage;
    const QByteArray s1 = m.Section(1), s7 = m.Section(7), s11 = m.Section(11);

    const bool ok = RunWith(m, [](TMK_ViewJournalsDlg* dlg) {
        Find<QPushButton>(dlg, "bClearTripJournal")->click();
        Find<QPushButton>(dlg, "bClearErrors")->click();
        ClickCell(Find<QTableWidget>(dlg, "sgAllSum"), 1, 1, true);
        EXPECT_EQ(Cell(Find<QTableWidget>(dlg, "sgTripJournal"), 1, 1), "Empty");
        EXPECT_TRUE(FreezeLabels(dlg).isEmpty());
        KeyClick(Find<QTableWidget>(dlg, "sgErrors"), Qt::Key_Escape);
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(m.SettingsImage, image);
    EXPECT_EQ(m.Section(1), s1);
    EXPECT_EQ(m.Section(7), s7);
    EXPECT_EQ(m.Section(11), s11);
    // A later write of the settings carries the old journals.
    m.WriteSections(1, 11);
    EXPECT_EQ(m.SettingsImage, image);
}

TEST_F(ViewJournalsDlg, OkWritesTheClearsIntoTheImage) {
    LanguageScope lang(true);
    TMK m;
    LoadImage(m);
    const bool ok = RunWith(m, [](TMK_ViewJournalsDlg* dlg) {
        Find<QPushButton>(dlg, "bClearTankJournal")->click();
        Find<QPushButton>(dlg, "bClearErrors")->click();
        ClickCell(Find<QTableWidget>(dlg, "sgAllSum"), 0, 0, true);
        Find<QPushButton>(dlg, "bOK")->click();
    });
    EXPECT_TRUE(ok);
    TMK reread;
    reread.SettingsImage = m.SettingsImage;
    reread.ReadSections(1, 11);
    EXPECT_TRUE(ReadJournalRecord(reread, DriveJournal::Tank, 0).isEmpty());
    EXPECT_FALSE(ReadJournalRecord(reread, DriveJournal::Trip, 1).isEmpty());
    EXPECT_TRUE(ReadFaultRecord(reread, 0).isEmpty());
    EXPECT_EQ(ReadAdder(reread, Adder::AllSum).distance, 0u);
}

TEST_F(ViewJournalsDlg, DoubleClickClearsOneAdder) {
    LanguageScope lang(true);
    TMK m;
    m.Set("AllPathStart", 0, 1234);
    m.Set("AllSum", 0, 3600);
    m.Set("AllSum", 1, 500);
    m.Set("TripSum", 1, 700);
    TMK_ViewJournalsDlg dlg(m);
    auto* all = Find<QTableWidget>(&dlg, "sgAllSum");
    EXPECT_EQ(Cell(all, 1, 1), "1234.500");
    ClickCell(all, 3, 0, true);
    EXPECT_EQ(Cell(all, 0, 1), "0:00");
    EXPECT_EQ(Cell(all, 1, 1), "1234.000");
    EXPECT_EQ(Cell(Find<QTableWidget>(&dlg, "sgTripSum"), 1, 1), "0.700");
    EXPECT_EQ(m.Get("AllSum", 0), 0);
}

TEST_F(ViewJournalsDlg, FreezeFrameFollowsTheSelectedFault) {
    LanguageScope lang(true);
    TMK m;
    m.Set("Protocol", 0, 4); // a generic OBD protocol: SAE codes
    PutFault(m, 0, 60, 1, 1, 0x0171, 0x0171);
    PutFault(m, 1, 61, 1, 1, 0x0172, 0);
    PutFault(m, 2, 62, 1, 1, 0x0300, 0x0300);
    SetPidPresent(m, 0x0C);
    bytes::setS16le(m.Section(11), FaultSlotAt(2) + 8 + 24, 3100);
    TMK_ViewJournalsDlg dlg(m);
    auto* faults = Find<QTableWidget>(&dlg, "sgErrors");
    auto* frame = Find<QTableWidget>(&dlg, "sgFreezeFrame");
    EXPECT_EQ(Cell(faults, 0, 2), "P0171");
    EXPECT_EQ(Cell(frame, 0, 1), "P0171"); // row 1 is selected when the dialog opens

    KeyClick(faults, Qt::Key_Down);
    EXPECT_TRUE(FreezeLabels(&dlg).isEmpty());
    KeyClick(faults, Qt::Key_Down);
    EXPECT_EQ(FreezeLabels(&dlg), QStringList({"Trouble code", "Engine RPM"}));
    EXPECT_EQ(Cell(frame, 1, 1), "3100");
    KeyClick(faults, Qt::Key_Up);
    EXPECT_EQ(frame->rowCount(), 0);
    ClickCell(faults, 0, 1);
    EXPECT_EQ(Cell(frame, 0, 1), "P0171");
    EXPECT_EQ(frame->rowCount(), 2);
    // A click below the last slot keeps the shown slot's row marked.
    const QPoint below(5, faults->viewport()->height() - 2);
    SendMouse(faults->viewport(), QEvent::MouseButtonPress, below);
    SendMouse(faults->viewport(), QEvent::MouseButtonRelease, below);
    EXPECT_EQ(faults->selectionModel()->selectedRows(),
              QModelIndexList{faults->model()->index(0, 0)});
    EXPECT_EQ(frame->rowCount(), 2);
}

TEST_F(ViewJournalsDlg, ShowsTheLargestValuesWhole) {
    for (bool english : {true, false}) {
        LanguageScope lang(english);
        TMK m;
        const std::uint32_t top = 0xFFFFFFFF;
        for (const char* journal : {"TripJournal", "TankJournal"})
            for (int i = 0; i < JournalRecordCount; ++i)
                PutDriveRecord(m, journal, i, {23 * 60 + 59, 31, 12, top, top, top, top});
        for (const char* price : {"PriceExpense", "PriceTime", "PricePath", "PriceGas"})
            m.Set(price, 0, 32767);
        TMK_ViewJournalsDlg dlg(m);
        dlg.show();
        auto* pages = Find<QTabWidget>(&dlg, "pcJournals");
        for (const char* name : {"sgTripJournal", "sgTankJournal"}) {
            auto* grid = Find<QTableWidget>(&dlg, name);
            pages->setCurrentWidget(grid->parentWidget());
            const QHeaderView* header = grid->horizontalHeader();
            EXPECT_EQ(Cell(grid, 3, 4), "8589934.590");
            // The room the view and its header leave around a text before they elide it.
            const int cellMargin =
                2 * (grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1);
            const int headerMargin =
                2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
            for (int c = 0; c < grid->columnCount(); ++c) {
                const QString caption = grid->horizontalHeaderItem(c)->text();
                int needed = header->fontMetrics().horizontalAdvance(caption) + headerMargin;
                for (int r = 0; r < grid->rowCount(); ++r)
                    needed =
                        std::max(needed, grid->fontMetrics().horizontalAdvance(Cell(grid, r, c)) +
                                             cellMargin);
                EXPECT_LE(needed, grid->columnWidth(c))
                    << name << (english ? " en " : " ru ") << caption.toStdString();
            }
            // No column lies beyond the view: the table is in sight without scrolling.
            EXPECT_LE(header->length(), grid->viewport()->width()) << name;
        }

        // A larger window gives its room to the table.
        auto* trip = Find<QTableWidget>(&dlg, "sgTripJournal");
        pages->setCurrentIndex(0);
        const int before = trip->width();
        dlg.resize(dlg.width() + 200, dlg.height());
        QApplication::processEvents();
        EXPECT_EQ(trip->width(), before + 200);
    }
}
