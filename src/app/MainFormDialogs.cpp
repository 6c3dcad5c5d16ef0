#include "MainFormDialogs.h"

// Neither dialog is part of this build yet; the main window says so instead of opening one.

bool HasSettingsEditor() {
    return false;
}
bool RunSettingsEditor(TMK&, QWidget*) {
    return false;
}
bool HasJournalsViewer() {
    return false;
}
bool RunJournalsViewer(TMK&, QWidget*) {
    return false;
}
