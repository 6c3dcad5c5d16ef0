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
inline constexpr TText Checking{"Checking what was written...", "Проверка записанного..."};
inline constexpr TText Checked{"Checked by reading back. Backup: %1",
                               "Проверено обратным чтением. Резервная копия: %1"};
inline constexpr TText FileFilter{"Settings files (*.veltg)", "Файлы настроек (*.veltg)"};
} // namespace MainTexts

// The status line: what settings the window holds, where they came from, whether edits
// still wait for Step 4.
namespace StatusTexts {
inline constexpr TText NoSettings{"No settings read yet", "Настройки ещё не считаны"};
inline constexpr TText Device{"Device %1, settings version %2", "МК %1, версия настроек %2"};
inline constexpr TText UnknownDevice{
    "Device type %1 unknown: the editor offers the pages of the %2 and the journals read fault "
    "codes as the %2 does, settings version %3",
    "Тип МК %1 неизвестен: редактор предлагает страницы %2, журналы читают коды ошибок как у "
    "%2, версия настроек %3"};
inline constexpr TText FromDevice{"read from the device at %1", "считаны из МК в %1"};
inline constexpr TText FromFile{"from the file %1", "из файла %1"};
inline constexpr TText WrittenAt{"written to the device at %1", "записаны в МК в %1"};
inline constexpr TText Vehicle{"Vehicle: %1", "Автомобиль: %1"};
inline constexpr TText Unwritten{"changes not yet written to the device",
                                 "изменения ещё не записаны в МК"};
} // namespace StatusTexts
