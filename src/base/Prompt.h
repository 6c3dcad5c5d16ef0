#pragma once

#include <QString>
#include <QStringList>
#include <memory>

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
    // Return an empty path when cancelled. filter is in Qt's "Name (*.ext)" form.
    virtual QString openFileName(const QString& caption, const QString& filter) = 0;
    virtual QString saveFileName(const QString& caption, const QString& filter,
                                 const QString& defaultSuffix) = 0;
};

// The prompt in use. Until a window layer installs one, errors and information go to
// stderr and every question is answered "no" / cancelled. It may be called from any thread:
// a call from another thread is carried out on the application's main thread and waited for.
IPrompt& Prompt();
// Installs p (ownership taken) and returns the previous one.
std::unique_ptr<IPrompt> SetPrompt(std::unique_ptr<IPrompt> p);

void ShowError(const QString& text);
void ShowInfo(const QString& text);
bool AskYesNo(const QString& text);
