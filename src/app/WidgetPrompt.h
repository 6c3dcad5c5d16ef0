#pragma once

#include "DialogFolders.h"
#include "Prompt.h"

#include <QPointer>
#include <QWidget>

// The window layer's answers to IPrompt: message boxes and file dialogs over a parent.
class WidgetPrompt : public IPrompt {
public:
    explicit WidgetPrompt(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    // Where the file dialogs open, by kind of file; without it they open in startFolder
    // and then where the last file was chosen. folders must outlive its use here.
    void setFolders(TDialogFolders* folders) { folders_ = folders; }
    void setStartFolder(const QString& folder) { folder_ = folder; }
    const QString& startFolder() const { return folder_; }
    // Where a dialog with this filter opens now.
    QString startFolderFor(const QString& filter) const;

    void showError(const QString& text) override;
    void showInfo(const QString& text) override;
    bool askYesNo(const QString& text) override;
    int choose(const QString& caption, const QString& prompt, const QStringList& items,
               int current) override;
    int choosePort(const QString& caption, const QString& prompt,
                   const std::vector<TPortChoice>& ports, int current) override;
    QString openFileName(const QString& caption, const QString& filter) override;
    QString openFileNameOfKind(const QString& caption, const QString& filter, const QString& kind,
                               const QString& firstFolder) override;
    QString saveFileName(const QString& caption, const QString& filter,
                         const QString& defaultSuffix) override;
    TChangeAnswer confirmChanges(const TChangeList& list) override;
    TVehicleAnswer chooseVehicle(const TVehicleChoice& choice) override;

private:
    void chosen(const QString& filter, const QString& path);

    QPointer<QWidget> parent_;
    TDialogFolders* folders_ = nullptr;
    QString folder_;
};
