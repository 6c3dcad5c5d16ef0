#include "WidgetPrompt.h"

#include "ChangeListDlg.h"
#include "Language.h"
#include "ML_RS232_SetNumDlg.h"
#include "VehicleChoiceDlg.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace {

void showBox(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text) {
    QMessageBox box(icon, title, text, QMessageBox::NoButton, parent);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

} // namespace

void WidgetPrompt::showError(const QString& text) {
    showBox(parent_, QMessageBox::Critical, Tx("Error", "Ошибка"), text);
}

void WidgetPrompt::showInfo(const QString& text) {
    showBox(parent_, QMessageBox::Information, Tx("Information", "Информация"), text);
}

bool WidgetPrompt::askYesNo(const QString& text) {
    QMessageBox box(QMessageBox::Question, Tx("Confirm", "Подтверждение"), text,
                    QMessageBox::NoButton, parent_);
    QPushButton* yes = box.addButton(Tx("&Yes", "&Да"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(Tx("&No", "&Нет"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

int WidgetPrompt::choose(const QString& caption, const QString& prompt, const QStringList& items,
                         int current) {
    std::vector<TPortChoice> entries;
    for (const QString& item : items)
        entries.push_back({item, QString(), item, true});
    return choosePort(caption, prompt, entries, current);
}

int WidgetPrompt::choosePort(const QString& caption, const QString& prompt,
                             const std::vector<TPortChoice>& ports, int current) {
    TML_RS232_SetNumDlg dlg(caption, prompt, ports, current, parent_);
    return dlg.exec() == QDialog::Accepted ? dlg.selectedIndex() : -1;
}

QString WidgetPrompt::startFolderFor(const QString& filter) const {
    return folders_ ? folders_->StartFolder(TDialogFolders::KindOfFilter(filter)) : folder_;
}

void WidgetPrompt::chosen(const QString& filter, const QString& path) {
    if (path.isEmpty()) return;
    if (folders_)
        folders_->Remember(TDialogFolders::KindOfFilter(filter), path);
    else
        folder_ = QFileInfo(path).absolutePath();
}

QString WidgetPrompt::openFileName(const QString& caption, const QString& filter) {
    const QString path =
        QFileDialog::getOpenFileName(parent_, caption, startFolderFor(filter), filter);
    chosen(filter, path);
    return path;
}

QString WidgetPrompt::openFileNameOfKind(const QString& caption, const QString& filter,
                                         const QString& kind, const QString& firstFolder) {
    const QString start = folders_            ? folders_->StartFolder(kind, firstFolder)
                          : folder_.isEmpty() ? firstFolder
                                              : folder_;
    const QString path = QFileDialog::getOpenFileName(parent_, caption, start, filter);
    if (!path.isEmpty() && folders_)
        folders_->Remember(kind, path);
    else if (!path.isEmpty())
        folder_ = QFileInfo(path).absolutePath();
    return path;
}

QString WidgetPrompt::saveFileName(const QString& caption, const QString& filter,
                                   const QString& defaultSuffix) {
    // The dialog asks nothing about overwriting: the caller asks its own question.
    QFileDialog dlg(parent_, caption, startFolderFor(filter), filter);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setDefaultSuffix(defaultSuffix);
    dlg.setOption(QFileDialog::DontConfirmOverwrite);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return {};
    const QString path = dlg.selectedFiles().constFirst();
    chosen(filter, path);
    return path;
}

TVehicleAnswer WidgetPrompt::chooseVehicle(const TVehicleChoice& choice) {
    TVehicleChoiceDlg dlg(choice, parent_);
    dlg.exec();
    return dlg.Answer();
}

TChangeAnswer WidgetPrompt::confirmChanges(const TChangeList& list) {
    TChangeListDlg dlg(list, parent_);
    TChangeAnswer answer;
    answer.write = dlg.exec() == QDialog::Accepted;
    answer.replaceRecords = answer.write && dlg.ReplaceRecords();
    answer.hideFromNowOn = dlg.HideFromNowOn();
    return answer;
}
