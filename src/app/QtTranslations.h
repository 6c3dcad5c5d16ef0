#pragma once

// Qt's own texts (the file dialogs' "Look in", "File name", "Cancel" and the like) in the
// program's language: Qt's Russian translation is installed while the program speaks
// Russian and removed for English. Our own captions never go through it.

#include <QString>

// Installs or removes Qt's Russian translation; false when Russian was asked for and no
// translation file was found (Qt then stays in English).
bool UseQtTranslations(bool english);

// Where qtbase_ru.qm was found; empty when nowhere.
QString QtRussianTranslationFile();
