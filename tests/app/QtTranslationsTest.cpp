// Qt's own texts (file dialogs, standard buttons) follow the program's language switch.

#include "QtTranslations.h"
#include "MainWindowSupport.h"

#include <QCheckBox>
#include <QCoreApplication>

namespace {

QString fileNameCaption() {
    return QCoreApplication::translate("QFileDialog", "File &name:");
}

} // namespace

TEST_F(MainWindowFixture, QtOwnTextsAreRussianExactlyWhileTheProgramIsRussian) {
    ASSERT_FALSE(QtRussianTranslationFile().isEmpty())
        << "qtbase_ru.qm missing: scripts/setup.sh installs qt6-translations-l10n";
    auto form = openWindow();
    EXPECT_EQ(fileNameCaption(), QString::fromUtf8("&Имя файла:")) << "Russian at start";

    auto* english = control<QCheckBox>(*form, "cbEnglishVersion");
    QTest::mouseClick(english, Qt::LeftButton);
    EXPECT_EQ(fileNameCaption(), "File &name:");
    QTest::mouseClick(english, Qt::LeftButton);
    EXPECT_EQ(fileNameCaption(), QString::fromUtf8("&Имя файла:")) << "switching back";
    // Installing twice would leave English unreachable after one removal.
    UseQtTranslations(false);
    QTest::mouseClick(english, Qt::LeftButton);
    EXPECT_EQ(fileNameCaption(), "File &name:");
    form->close();
}
