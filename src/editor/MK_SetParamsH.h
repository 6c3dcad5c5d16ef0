#pragma once

// The settings editor: one modal dialog with a tabbed page set over the settings model.
// The dialog keeps no copy of the settings: every control reads its field from the model
// when the dialog is shown and writes it back when the user leaves (or clicks) it. Whether
// the edits stay is decided by TMK::Edit when the dialog closes (OK keeps, Cancel restores).
//
// Pages plug into the frame through the page table in SetParamsDlg.cpp (one row a page, in
// the order of the tabs) and the signals below.

#include "Language.h"

#include <QDialog>
#include <QHash>
#include <memory>

class QTabWidget;
class QVBoxLayout;
class QWidget;
class TControlBinder;
class TMK;
class TProtBase;
class TProtCatalogue;
struct TDeviceCaps;

// Opens the editor over the model through TMK::Edit. True when the user confirmed; the
// settings image then holds the edited sections.
bool RunSettingsEditor(TMK& model, QWidget* parent);

class TMK_SetParamsDlg : public QDialog {
    Q_OBJECT
public:
    explicit TMK_SetParamsDlg(TMK& model, QWidget* parent = nullptr);
    ~TMK_SetParamsDlg() override;

    TMK& Model() { return model_; }
    TControlBinder& Binder() { return *binder_; }
    const TDeviceCaps& Caps() const;
    TProtCatalogue& Catalogue();
    // The protocol entry chosen by the settings, or nullptr when `Protocol` lies beyond
    // the device's list.
    const TProtBase* CurrentProt();
    // True when the current protocol delivers engine data (not carburettor, universal or
    // the outboard engine without a data line).
    bool EcuDataAvailable();

    // Set while controls are refilled from the model, so that handlers do not write back.
    bool Refreshing = false;

    // Fills the dialog: captions, capability rules, load, protocol lists. Runs once, when
    // the dialog is first shown.
    void FormShow();
    // A top-level page became active.
    void pcMainChange(int index);
    // Refills what the visible page shows from the model.
    void RefreshVisiblePage();
    // Shows or hides a top-level page by its name ("tsPark").
    void SetPageShown(const char* name, bool shown);
    QWidget* Page(const char* name) const;
    // The tab index of the top-level page that holds w, or -1; and a tab's caption.
    int PageIndexOf(const QWidget* w) const;
    QString PageCaption(int index) const;

    // Handlers named after their control and event.
    void rgVelocityMethClick();
    void rgLockTypeClick();
    void rgRevolutionsMethClick();
    void rgPrognozMethClick();
    void cbTankMethChange();
    void cbProtocolSelectMethChange();
    void cbProtocolExit();
    void seTrimLowLimitExit();
    void seTrimHighLimitExit();
    void rgAirWaterShowClick();
    // Leaving a converter reading of the universal input: false refuses a reading equal to
    // the other one.
    bool seUniMeasADCExit(int which, double reading);

signals:
    // The protocol-dependent parts were rebuilt (at show and after a protocol change);
    // pages that list protocol parameters or level sources refill themselves.
    void protocolRebuilt();
    // A page refresh ran (colour, display, hot-menu and tank pages repaint).
    void pageRefreshed();
    // The fuel-level source changed (the warning rows depend on it).
    void levelSourceChanged();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    struct PageDef;
    static const PageDef kPages[];

    void BuildPages();
    void ApplyCaptions();
    // Page and control visibility from the capabilities and the protocol entry.
    void ApplyControlRules();
    // Hides a group whose controls are all hidden, and shows it again when one returns.
    void UpdateGroupVisibility();

    // Page builders, one source file each.
    void BuildCorrPage(QWidget* page);
    void BuildMethPage(QWidget* page);
    void BuildLimitsPage(QWidget* page);
    void BuildAveragesPage(QWidget* page);
    void BuildParkPage(QWidget* page);
    void BuildUniMeasPage(QWidget* page);
    void BuildProtocolGroup(QVBoxLayout* column);

    // Capability-dependent choices on the sources page.
    void BuildSpeedSourceItems();
    void ApplySpeedLockRule();
    void ApplyLockLevelRule();
    void ApplyInjectorRule();
    void ApplyForecastRule();
    // Protocol selection.
    void FillProtocolLists();
    void RebuildForProtocol(bool reset);
    void FillOptionLists();
    void FillLevelSourceList();
    void ApplyCoolantWording();
    // Measured-parameter captions that depend on the device model.
    void RelabelParameters();

    TMK& model_;
    TControlBinder* binder_;
    QTabWidget* pcMain_;
    QHash<QString, QWidget*> pages_;
    bool shownOnce_ = false;
};
