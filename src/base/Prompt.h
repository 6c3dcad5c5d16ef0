#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

// One entry of the port choice. The choice lists every port the program knows, present or
// not, so that a user sees which adapter is plugged in where.
struct TPortChoice {
    QString name;  // "COM3"
    QString path;  // the device path behind it
    QString label; // how a plain list names it: "COM3 (/dev/ttyUSB2)"
    bool present = false;
};

// One line of the list of settings a write will change: the editor page (or other group)
// it belongs to, the setting's caption, and its value in the device and the new one, as
// the user reads them.
struct TChangeRow {
    QString group;
    QString setting;
    QString before;
    QString after;
};

// What a write will change, as the user reads it.
struct TChangeList {
    // The settings, then what happens to the device's own records when it keeps them.
    std::vector<TChangeRow> rows;
    // Offered when writing the settings' own journals and totals instead would give the
    // device other records: the rows then.
    bool canReplaceRecords = false;
    std::vector<TChangeRow> replacingRows;
};

struct TChangeAnswer {
    bool write = false;
    bool replaceRecords = false;
    bool hideFromNowOn = false; // the user asked not to be shown the list again
};

// The question after a read: which vehicle these settings belong to.
struct TVehicleChoice {
    QStringList vehicles; // the suggestions first, then every other vehicle
    QStringList reasons;  // per suggestion: why it looks like this car
    int current = -1;     // the vehicle chosen before, when it is in the list
};

struct TVehicleAnswer {
    int chosen = -1; // an index into vehicles
    QString newName; // or a new vehicle of this name
    QString newNotes;
};

// Every question the program asks the user goes through this interface, so that the
// windows use message boxes and tests answer without a modal window.
class IPrompt {
public:
    virtual ~IPrompt() = default;
    virtual void showError(const QString& text) = 0;
    virtual void showInfo(const QString& text) = 0;
    virtual bool askYesNo(const QString& text) = 0;
    // Returns the chosen index into items, or -1 when cancelled.
    virtual int choose(const QString& caption, const QString& prompt, const QStringList& items,
                       int current) = 0;
    // The port choice: returns an index into ports (a present one), or -1 when cancelled.
    // current indexes the port in use. By default a plain choice among the present ports.
    virtual int choosePort(const QString& caption, const QString& prompt,
                           const std::vector<TPortChoice>& ports, int current);
    // Return an empty path when cancelled. filter is in Qt's "Name (*.ext)" form.
    virtual QString openFileName(const QString& caption, const QString& filter) = 0;
    // As openFileName, with its own remembered folder under `kind`; until a file of that kind
    // has been chosen it opens in firstFolder (when that exists). By default openFileName.
    virtual QString openFileNameOfKind(const QString& caption, const QString& filter,
                                       const QString& kind, const QString& firstFolder);
    virtual QString saveFileName(const QString& caption, const QString& filter,
                                 const QString& defaultSuffix) = 0;
    // Shows what a write will change (no rows: nothing differs) and takes the user's answer.
    virtual TChangeAnswer confirmChanges(const TChangeList& list) = 0;
    // Which vehicle a read belongs to; neither chosen nor new: "not now". By default not now.
    virtual TVehicleAnswer chooseVehicle(const TVehicleChoice& choice);
};

// The prompt in use. Until a window layer installs one, errors and information go to
// stderr and every question is answered "no" / cancelled (a change list included). It may be
// called from any thread: a call from another thread is carried out on the application's main
// thread and waited for.
IPrompt& Prompt();
// Installs p (ownership taken) and returns the previous one.
std::unique_ptr<IPrompt> SetPrompt(std::unique_ptr<IPrompt> p);

void ShowError(const QString& text);
void ShowInfo(const QString& text);
bool AskYesNo(const QString& text);
