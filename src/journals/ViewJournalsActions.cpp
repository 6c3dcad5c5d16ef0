// What the viewer does: fills its tables from the model, clears and saves.

#include "MK_ViewJournalsH.h"

#include "Errors.h"
#include "JournalTables.h"
#include "Language.h"
#include "Pars32H.h"
#include "Prompt.h"

#include <QTableWidget>

using namespace journals;

bool ExecViewJournalsDialog(TMK& model, QWidget* parent) {
    TMK_ViewJournalsDlg dlg(model, parent);
    return dlg.exec() == QDialog::Accepted;
}

bool RunViewJournalsDialog(TMK& model, QWidget* parent) {
    return model.ViewJournals([&] { return ExecViewJournalsDialog(model, parent); });
}

void TMK_ViewJournalsDlg::FillDriveTable(DriveJournal journal) {
    QTableWidget* grid = driveTables_[journal == DriveJournal::Trip ? 0 : 1];
    ui::FillGrid(grid, DriveTable(model_, journal), true);
    FitDriveTable(grid);
}

void TMK_ViewJournalsDlg::FillAdderTable(Adder adder) {
    ui::FillLabelValues(adderTables_[std::size_t(adder)], AdderRows(model_, adder));
}

void TMK_ViewJournalsDlg::FillFaultTable() {
    const int row = sgErrors_->currentRow();
    ui::FillGrid(sgErrors_, FaultTable(model_, faultStyle_), false);
    if (row >= 0) sgErrors_->setCurrentCell(row, 0);
}

void TMK_ViewJournalsDlg::sgErrorsSelectCell(int row) {
    sgFreezeFrame_->clearContents();
    sgFreezeFrame_->setRowCount(0);
    if (row < 0 || row >= FaultSlotCount) return;
    ui::FillLabelValues(sgFreezeFrame_,
                        FreezeFrameRows(ReadFaultRecord(model_, row), ReadFreezeFramePids(model_)));
}

void TMK_ViewJournalsDlg::bClearErrorsClick() {
    journals::ClearFaultJournal(model_);
    FillFaultTable();
    sgErrorsSelectCell(sgErrors_->currentRow());
}

void TMK_ViewJournalsDlg::AdderDblClick(Adder adder) {
    journals::ClearAdder(model_, adder);
    FillAdderTable(adder);
}

void TMK_ViewJournalsDlg::ClearDriveJournal(DriveJournal journal) {
    journals::ClearDriveJournal(model_, journal);
    FillDriveTable(journal);
}

void TMK_ViewJournalsDlg::SaveDriveJournal(DriveJournal journal) {
    const QString path = Prompt().saveFileName(
        Tx("Save to file", "Сохранить в файл"),
        Tx("Text files (*.txt);;All files (*)", "Текстовые файлы (*.txt);;Все файлы (*)"),
        QStringLiteral("txt"));
    if (path.isEmpty()) return;
    try {
        SaveExportText(path, DriveJournalText(model_, journal));
    } catch (const TError& e) {
        ShowError(e.message());
    }
}
