#pragma once

// The journals viewer: the trip and refuelling journals, the running sums and the fault
// journal with its freeze frames, shown from the settings model. Clears act on the model
// at once; whether they stay is decided by TMK::ViewJournals when the dialog closes (OK
// encodes sections 7, 1 and 11 into the image, Cancel restores them).

#include "JournalRecords.h"

#include <QDialog>
#include <array>

class QTableWidget;
class QTabWidget;
class TMK;

// Opens the viewer over the model through TMK::ViewJournals. True when the user confirmed;
// the settings image then holds the journals as the dialog left them.
bool RunViewJournalsDialog(TMK& model, QWidget* parent);
// Only runs the dialog, for a caller that is already inside TMK::ViewJournals.
bool ExecViewJournalsDialog(TMK& model, QWidget* parent);

class TMK_ViewJournalsDlg : public QDialog {
    Q_OBJECT
public:
    explicit TMK_ViewJournalsDlg(TMK& model, QWidget* parent = nullptr);

    // Handlers named after their control and event.
    void bSaveTripJournalClick() { SaveDriveJournal(journals::DriveJournal::Trip); }
    void bSaveTankJournalClick() { SaveDriveJournal(journals::DriveJournal::Tank); }
    void bClearTripJournalClick() { ClearDriveJournal(journals::DriveJournal::Trip); }
    void bClearTankJournalClick() { ClearDriveJournal(journals::DriveJournal::Tank); }
    void bClearErrorsClick();
    void sgErrorsSelectCell(int row);
    void AdderDblClick(journals::Adder adder);

private:
    QWidget* MakeDrivePage(journals::DriveJournal journal);
    QWidget* MakeAveragePage();
    QWidget* MakeFaultsPage();

    void FillDriveTable(journals::DriveJournal journal);
    // Columns as wide as their texts; the table's minimum width follows them.
    void FitDriveTable(QTableWidget* grid);
    void FillAdderTable(journals::Adder adder);
    void FillFaultTable();
    void SaveDriveJournal(journals::DriveJournal journal);
    void ClearDriveJournal(journals::DriveJournal journal);

    TMK& model_;
    journals::FaultCodeStyle faultStyle_;
    QTabWidget* pcJournals_ = nullptr;
    std::array<QTableWidget*, 2> driveTables_{};
    std::array<QTableWidget*, journals::AdderCount> adderTables_{};
    QTableWidget* sgErrors_ = nullptr;
    QTableWidget* sgFreezeFrame_ = nullptr;
};
