#pragma once

#include "Prompt.h"

#include <QDialog>
#include <atomic>
#include <vector>

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QThread;

// The port choice: a caption, a prompt and a list that cannot be typed into. Each entry
// shows "COMn" with its device path and what the system knows of the adapter behind it;
// absent ports are listed too, marked and not selectable. "Find the device" asks each
// present port in turn, on a thread of its own, whether a trip computer answers there, and
// selects the first that does; it can be stopped at any time.
class TML_RS232_SetNumDlg : public QDialog {
    Q_OBJECT
public:
    TML_RS232_SetNumDlg(const QString& caption, const QString& prompt,
                        const std::vector<TPortChoice>& ports, int current,
                        QWidget* parent = nullptr);
    ~TML_RS232_SetNumDlg() override;

    // Index into the ports given; -1 when the selected entry is an absent port.
    int selectedIndex() const;
    bool searching() const { return thread_ != nullptr; }

    // Starts the search, or stops one that runs.
    void findDevice();

    void reject() override;

private:
    void showDetails();
    void startSearch();
    void stopSearch();
    void searchProbing(int portIndex, int step, int steps);
    void searchProbed(int portIndex, int outcome, int openResult);
    void searchDone(int found, unsigned version, bool stopped);
    void setSearchButtonText();

    std::vector<TPortChoice> ports_;
    std::vector<QString> details_;
    QComboBox* list_;
    QLabel* detailsLabel_;
    QPushButton* find_;
    QProgressBar* progress_;
    QLabel* status_;
    QThread* thread_ = nullptr;
    std::atomic_bool stop_{false};
    std::vector<int> searched_; // port indexes of the running search
    QStringList skipped_;       // ports that could not be opened
};
