#pragma once

// Answers the program's questions in tests and records what it was told.

#include "Prompt.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <memory>

class ScriptedPrompt : public IPrompt {
public:
    QStringList errors, infos, questions;
    std::deque<bool> answers;                            // for askYesNo; "no" when empty
    std::deque<QString> openPaths;                       // for openFileName; cancelled when empty
    std::deque<QString> savePaths;                       // for saveFileName; cancelled when empty
    QStringList filters, suffixes;                       // what the file dialogs were given
    std::function<int(const QStringList&, int)> chooser; // for choose; cancelled when unset
    QString chooseCaption, choosePrompt;                 // what the last choice showed
    QStringList chooseItems;
    int chooseCurrent = -2;
    std::vector<std::vector<TChangeRow>> changeLists; // the rows of every change list shown
    std::vector<TChangeList> changeListsShown;        // and the whole lists
    std::deque<bool> changeAnswers;                   // for confirmChanges; Write when empty
    bool hideChangeList = false;                      // the "do not show again" box
    bool replaceRecords = false;                      // the box that replaces the records
    // Called at every question, error or information, as a modal box would be shown.
    std::function<void()> onShow;

    void showError(const QString& text) override {
        errors << text;
        shown();
    }
    void showInfo(const QString& text) override {
        infos << text;
        shown();
    }
    bool askYesNo(const QString& text) override {
        questions << text;
        shown();
        return take(answers, false);
    }
    int choose(const QString& caption, const QString& prompt, const QStringList& items,
               int current) override {
        chooseCaption = caption;
        choosePrompt = prompt;
        chooseItems = items;
        chooseCurrent = current;
        return chooser ? chooser(items, current) : -1;
    }
    QString openFileName(const QString&, const QString& filter) override {
        filters << filter;
        return take(openPaths, QString());
    }
    QStringList kinds, firstFolders; // what openFileNameOfKind was given
    QString openFileNameOfKind(const QString& caption, const QString& filter, const QString& kind,
                               const QString& firstFolder) override {
        kinds << kind;
        firstFolders << firstFolder;
        return openFileName(caption, filter);
    }
    QString saveFileName(const QString&, const QString& filter,
                         const QString& defaultSuffix) override {
        filters << filter;
        suffixes << defaultSuffix;
        return take(savePaths, QString());
    }

    std::vector<TVehicleChoice> vehicleChoices; // every "which car is this?" asked
    std::deque<TVehicleAnswer> vehicleAnswers;  // its answers; "not now" when empty
    TVehicleAnswer chooseVehicle(const TVehicleChoice& choice) override {
        vehicleChoices.push_back(choice);
        return take(vehicleAnswers, TVehicleAnswer{});
    }

    TChangeAnswer confirmChanges(const TChangeList& list) override {
        changeLists.push_back(list.rows);
        changeListsShown.push_back(list);
        shown();
        TChangeAnswer answer;
        answer.write = take(changeAnswers, true); // Write is the list's default button
        answer.replaceRecords = replaceRecords && list.canReplaceRecords;
        answer.hideFromNowOn = hideChangeList;
        return answer;
    }

private:
    void shown() {
        if (onShow) onShow();
    }
    template <typename T> static T take(std::deque<T>& q, T otherwise) {
        if (q.empty()) return otherwise;
        T v = q.front();
        q.pop_front();
        return v;
    }
};

// Installs a ScriptedPrompt for the lifetime of the object and puts the previous one back.
class PromptScope {
public:
    PromptScope() {
        auto p = std::make_unique<ScriptedPrompt>();
        prompt = p.get();
        previous_ = SetPrompt(std::move(p));
    }
    ~PromptScope() { SetPrompt(std::move(previous_)); }
    ScriptedPrompt* prompt;

private:
    std::unique_ptr<IPrompt> previous_;
};
