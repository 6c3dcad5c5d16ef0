#pragma once

// Captions of the main window and the texts of its messages, English and Russian.

#include "Language.h"

#include <QString>
#include <cstdint>
#include <span>

struct TCaption {
    const char* control; // objectName; empty for the window's own caption
    TText text;
};

std::span<const TCaption> MainFormCaptions();

namespace MainTexts {
inline constexpr TText SaveQuestion{
    "It is possible that the settings were changed, but not saved to disk. Save it?",
    "Возможно, настройки были изменены, но не сохранены на диске. Сохранить?"};
inline constexpr TText Reconnect{"Reconnect the device power supply", "Переподключите питание МК"};
inline constexpr TText Reading{"The settings are being read...", "Чтение настроек..."};
inline constexpr TText Writing{"The settings are recorded...", "Запись настроек..."};
inline constexpr TText Recorded{"The settings are recorded in the device",
                                "Настройки записаны в МК"};
inline constexpr TText FileExists{"The file already exists. Rewrite it?",
                                  "Файл уже существует. Переписать?"};
inline constexpr TText FileFilter{"Settings files (*.veltg)", "Файлы настроек (*.veltg)"};
// A loaded file from a device type the program does not know: which type it was, and that
// the editor offers the default model's pages.
QString UnknownDeviceText(const QString& path, std::uint16_t deviceType);
} // namespace MainTexts
