#pragma once

// "Vehicles…": the vehicles with a field that filters them as one types (by name or notes),
// the chosen vehicle's events newest first, and for an event: open its settings,
// compare it with the window's settings or with another event, restore it, or show its file
// in the file manager. Opening and restoring are done by the main window after the dialog
// closes (RequestedAction); comparing happens here.

#include "Pars32H.h"
#include "VehicleEvents.h"

#include <QDialog>
#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QStandardItemModel;
class QTableView;
class TVehicleSearchModel;
class TVehicleStore;

class TVehiclesDlg : public QDialog {
    Q_OBJECT
public:
    enum class Action { None, Open, Restore };

    // current: the window's settings, when it holds any; notices: what opening the history
    // told (a damaged database set aside), shown above the lists.
    TVehiclesDlg(TVehicleStore& store, std::optional<qint64> currentVehicle,
                 std::optional<TSettingsCopy> current, const QStringList& notices,
                 QWidget* parent = nullptr);

    std::optional<qint64> CurrentVehicle() const { return currentVehicle_; }
    Action RequestedAction() const { return action_; }
    const TVehicleEvent& RequestedEvent() const { return requested_; }

    // The buttons' handlers, reachable by tests.
    void NewClicked();
    void EditClicked();
    void MakeCurrentClicked();
    void OpenClicked();
    void RestoreClicked();
    void CompareWithCurrentClicked();
    void CompareTwoClicked();
    void ShowInFolderClicked();
    // The events chosen in the list, oldest first.
    std::vector<TVehicleEvent> ChosenEvents() const;
    // Chooses the vehicle on that row of the (filtered) list.
    void ChooseVehicleRow(int row);

private:
    void loadVehicles(std::optional<qint64> select);
    void loadEvents();
    void updateButtons();
    std::optional<qint64> chosenVehicle() const;
    QString eventName(const TVehicleEvent& e) const;

    TVehicleStore& store_;
    std::optional<qint64> currentVehicle_;
    std::optional<TSettingsCopy> current_;
    std::vector<TVehicleEvent> events_;
    Action action_ = Action::None;
    TVehicleEvent requested_;

    QLineEdit* search_;
    QStandardItemModel* vehicles_;
    TVehicleSearchModel* filtered_;
    QTableView* vehicleView_;
    QStandardItemModel* eventModel_;
    QTableView* eventView_;
    QLabel* currentLabel_;
    QPushButton* edit_;
    QPushButton* makeCurrent_;
    QPushButton* open_;
    QPushButton* restore_;
    QPushButton* compareCurrent_;
    QPushButton* compareTwo_;
    QPushButton* showFolder_;
};
