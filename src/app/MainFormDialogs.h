#pragma once

// The two modal dialogs the main window opens over the model: the settings editor and the
// journals viewer. Each Run returns true when the user confirmed the dialog.

class QWidget;
class TMK;

bool HasSettingsEditor();
bool RunSettingsEditor(TMK& model, QWidget* parent);
bool HasJournalsViewer();
bool RunJournalsViewer(TMK& model, QWidget* parent);
