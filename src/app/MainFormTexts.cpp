#include "MainFormTexts.h"

namespace {

// clang-format off
constexpr TCaption Captions[] = {
    {"", {"Viewing and configuring trip computer parameters (Version 26.03.25)",
          "Просмотр и настройка параметров МК (Версия 26.03.25)"}},
    {"Label5", {"Attention! For the program to work correctly, you MUST first download the latest version of the software to the device.",
                "Внимание! Для правильной работы программы НЕОБХОДИМО предварительно загрузить в МК последнюю версию ПО."}},
    {"bRS232", {"Select a COM port", "Выбрать СОМ-порт"}},
    {"bVehicles", {"Vehicles…", "Автомобили…"}},
    {"GroupBox1", {"Step 1", "Шаг 1"}},
    {"Label2", {"For an adequate display of possible settings, read the current settings of the device.",
                "Для адекватного отображения возможных вариантов настроек считайте текущие настройки МК."}},
    {"bGetParams", {"Read settings from the device", "Считать настройки из МК"}},
    {"Label6", {"or, if you have previously saved the settings to disk, read the file from disk.",
                "или, если Вы ранее уже сохраняли настройки на диск, считайте файл с диска."}},
    {"bLoadParams", {"Read settings from a file on disk", "Считать настройки из файла на диске"}},
    {"GroupBox2", {"Step 2", "Шаг 2"}},
    {"Label3", {"Make changes to the settings.", "Произведите изменения настроек."}},
    {"bEditParams", {"Edit settings", "Редактировать настройки"}},
    {"GroupBox5", {"Step 2a", "Шаг 2a"}},
    {"Label7", {"View the logs of trips, gas stations and faults", "Просмотрите журналы поездок, заправок и ошибок"}},
    {"bViewJournals", {"View logs", "Просмотреть журналы"}},
    {"GroupBox3", {"Step 3", "Шаг 3"}},
    {"Label4", {"To be able to view or edit the settings again, save the settings to disk.",
                "Для возможности повторного просмотра или редактирования сохраните настройки на диск."}},
    {"bSaveParams", {"Save the settings to a file on disk", "Сохранить настройки в файл на диске"}},
    {"Label8", {"Compare these settings with a settings file or a backup.",
                "Сравните эти настройки с файлом настроек или резервной копией."}},
    {"bCompare", {"Compare with a file…", "Сравнить с файлом…"}},
    {"Label9", {"Save a sheet of these settings to print or send.",
                "Сохраните лист этих настроек для печати или отправки."}},
    {"bSheet", {"Settings sheet…", "Лист настроек…"}},
    {"GroupBox4", {"Step 4", "Шаг 4"}},
    {"Label1", {"Write the settings to the device", "Запишите настройки в МК"}},
    {"bSetParams", {"Write the settings to the device", "Записать настройки в МК"}},
    {"cbEnglishVersion", {"English language", "English language"}},
};
// clang-format on

} // namespace

std::span<const TCaption> MainFormCaptions() {
    return Captions;
}
