#include "Prompt.h"

#include "ThreadCall.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

class ConsolePrompt : public IPrompt {
public:
    void showError(const QString& text) override {
        std::fprintf(stderr, "Error: %s\n", qPrintable(text));
    }
    void showInfo(const QString& text) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
    bool askYesNo(const QString&) override { return false; }
    int choose(const QString&, const QString&, const QStringList&, int) override { return -1; }
    QString openFileName(const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
    TChangeAnswer confirmChanges(const TChangeList&) override { return {}; }
};

std::unique_ptr<IPrompt>& current() {
    static std::unique_ptr<IPrompt> p = std::make_unique<ConsolePrompt>();
    return p;
}

// Message boxes and dialogs exist only on the application's main thread; a question asked
// on the link's thread (a port that cannot be found, the port choice) is put there and
// waited for.
template <typename F> std::invoke_result_t<F&> onMainThread(F&& fn) {
    return CallOnThreadOf(QCoreApplication::instance(), std::forward<F>(fn));
}

class MainThreadPrompt : public IPrompt {
public:
    void showError(const QString& text) override {
        onMainThread([&] { current()->showError(text); });
    }
    void showInfo(const QString& text) override {
        onMainThread([&] { current()->showInfo(text); });
    }
    bool askYesNo(const QString& text) override {
        return onMainThread([&] { return current()->askYesNo(text); });
    }
    int choose(const QString& caption, const QString& prompt, const QStringList& items,
               int chosen) override {
        return onMainThread([&] { return current()->choose(caption, prompt, items, chosen); });
    }
    QString openFileName(const QString& caption, const QString& filter) override {
        return onMainThread([&] { return current()->openFileName(caption, filter); });
    }
    QString openFileNameOfKind(const QString& caption, const QString& filter, const QString& kind,
                               const QString& firstFolder) override {
        return onMainThread(
            [&] { return current()->openFileNameOfKind(caption, filter, kind, firstFolder); });
    }
    int choosePort(const QString& caption, const QString& prompt,
                   const std::vector<TPortChoice>& ports, int chosen) override {
        return onMainThread([&] { return current()->choosePort(caption, prompt, ports, chosen); });
    }
    QString saveFileName(const QString& caption, const QString& filter,
                         const QString& defaultSuffix) override {
        return onMainThread(
            [&] { return current()->saveFileName(caption, filter, defaultSuffix); });
    }
    TChangeAnswer confirmChanges(const TChangeList& list) override {
        return onMainThread([&] { return current()->confirmChanges(list); });
    }
    TVehicleAnswer chooseVehicle(const TVehicleChoice& choice) override {
        return onMainThread([&] { return current()->chooseVehicle(choice); });
    }
};

} // namespace

TVehicleAnswer IPrompt::chooseVehicle(const TVehicleChoice&) {
    return {};
}

QString IPrompt::openFileNameOfKind(const QString& caption, const QString& filter, const QString&,
                                    const QString&) {
    return openFileName(caption, filter);
}

int IPrompt::choosePort(const QString& caption, const QString& prompt,
                        const std::vector<TPortChoice>& ports, int current) {
    QStringList items;
    std::vector<int> indexes;
    int shown = -1;
    for (int i = 0; i < int(ports.size()); ++i) {
        if (!ports[std::size_t(i)].present) continue;
        if (i == current) shown = int(indexes.size());
        items << ports[std::size_t(i)].label;
        indexes.push_back(i);
    }
    const int chosen = choose(caption, prompt, items, shown);
    return chosen >= 0 && chosen < int(indexes.size()) ? indexes[std::size_t(chosen)] : -1;
}

IPrompt& Prompt() {
    static MainThreadPrompt p;
    return p;
}

std::unique_ptr<IPrompt> SetPrompt(std::unique_ptr<IPrompt> p) {
    if (!p) p = std::make_unique<ConsolePrompt>();
    current().swap(p);
    return p;
}

void ShowError(const QString& text) {
    Prompt().showError(text);
}
void ShowInfo(const QString& text) {
    Prompt().showInfo(text);
}
bool AskYesNo(const QString& text) {
    return Prompt().askYesNo(text);
}
