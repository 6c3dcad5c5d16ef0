#pragma once

// The factories of the adapter kinds that live in files of their own, for the kind table
// in ControlAdapters.cpp, and the focus helpers those kinds share.

#include "ControlAdapters.h"

#include <functional>
#include <memory>

std::unique_ptr<TControlAdapter> MakeDateAdapter(const TControlRow& row, const TSettingDesc& s,
                                                 QWidget* parent);
std::unique_ptr<TControlAdapter> MakeTimeAdapter(const TControlRow& row, const TSettingDesc& s,
                                                 QWidget* parent);
std::unique_ptr<TControlAdapter> MakeTextAdapter(const TControlRow& row, const TSettingDesc& s,
                                                 QWidget* parent);
std::unique_ptr<TControlAdapter> MakeSoundPairAdapter(const TControlRow& row, const TSettingDesc& s,
                                                      QWidget* parent);

// Calls `left` when the keyboard focus moves from `area` (or a widget inside it) to a
// widget outside it, while `context` lives. Focus lost to another window or a popup does
// not count: the user has not left the control.
void OnFocusLeaving(QWidget* area, QObject* context, std::function<void()> left);
// Calls `done` when the user leaves `edit` or presses Enter in it, even when its input
// mask is not satisfied (the commit then says what is wrong), while `context` lives.
void OnEditEnded(QWidget* edit, QObject* context, std::function<void()> done);
