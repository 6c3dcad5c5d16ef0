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
    virtual QString saveFileName(const QString& caption, const QString& filter,
                                 const QString& defaultSuffix) = 0;
    // Shows what a write will change (an empty list: nothing differs). True: write.
    // hideFromNowOn is set when the user asked not to be shown the list again.
    virtual bool confirmChanges(const std::vector<TChangeRow>& rows, bool& hideFromNowOn) = 0;
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
