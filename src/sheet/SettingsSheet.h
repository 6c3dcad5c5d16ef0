#pragma once

// A settings sheet to print or send: the device, where the settings came from and when,
// every setting the device offers page by page in the editor's words, the tank calibration,
// the maintenance reminders with their dates, the hot menus, and the display pages as
// pictures of the device's screens in the day scheme. In the current language.

#include <QDateTime>
#include <QImage>
#include <QString>
#include <map>

class TMK;

struct TSheetSource {
    QString origin;    // "read from the device at 10:52", "file car.veltg"
    QDateTime printed; // when the sheet is made
};

// The sheet as XHTML (well-formed), with the pictures as `images` named by their src.
struct TSheetDocument {
    QString html;
    std::map<QString, QImage> images;
};

// The model's catalogues must be prepared (TMK::PrepareCatalogues). Needs a
// QGuiApplication (fonts).
TSheetDocument BuildSettingsSheet(const TMK& model, const TSheetSource& source);

// Writes the sheet by the file's extension: ".pdf" an A4 PDF with page numbers and real
// text, anything else one HTML file with the pictures inside. Atomic (QSaveFile); TError on
// failure, naming the file.
void SaveSettingsSheet(const TSheetDocument& sheet, const QString& path);
