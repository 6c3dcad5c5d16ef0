#include "QtTranslations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace {

const QString QtBaseRussian = QStringLiteral("qtbase_ru.qm");

// One translator for the whole run; installed at most once at a time.
struct QtTranslatorState {
    std::unique_ptr<QTranslator> translator;
    bool installed = false;
};

QtTranslatorState& state() {
    static QtTranslatorState s;
    return s;
}

} // namespace

QString QtRussianTranslationFile() {
    // A copy deployed with the program (Windows) first, then Qt's own translations folder.
    const QStringList folders = {QCoreApplication::applicationDirPath() +
                                     QStringLiteral("/translations"),
                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    for (const QString& folder : folders) {
        const QFileInfo file(QDir(folder).filePath(QtBaseRussian));
        if (file.isFile()) return file.absoluteFilePath();
    }
    return {};
}

bool UseQtTranslations(bool english) {
    QtTranslatorState& s = state();
    if (english) {
        if (s.installed) QCoreApplication::removeTranslator(s.translator.get());
        s.installed = false;
        return true;
    }
    if (s.installed) return true;
    if (!s.translator) {
        auto translator = std::make_unique<QTranslator>();
        const QString file = QtRussianTranslationFile();
        if (file.isEmpty() || !translator->load(file)) return false;
        s.translator = std::move(translator);
    }
    s.installed = QCoreApplication::installTranslator(s.translator.get());
    return s.installed;
}
