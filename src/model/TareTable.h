#pragma once

// The fuel page's rules for the level-sensor calibrations that need no window: the tare
// table (section 4: `TarirLeng` points of litres `TarirLit` and sensor units `TarirRes`)
// as its grid shows and commits it, and the seven-point rows' visibility.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

constexpr int TareMaxPoints = 68;
// A first reading above this means the reading falls as the tank fills (`TarirHighStart`).
constexpr int TareHighStartReading = 240;
constexpr int TareMaxLitres = 255;
constexpr int SevenPointRows = 7;

// A stored `TarirLeng` above TareMaxPoints is set to 0 in the record; returns the length in
// use afterwards.
int RepairTareLength(QByteArray& section4);

// Rows of the grid, heading included: the length + 1, or 2 for an empty table (one empty
// data row, which a commit ignores).
int TareGridRowCount(int length);
// Column headings "#", litres, sensor units, in the current language.
QStringList TareHeadings();

// The texts of one data row: litres and sensor units (the number column is row + 1).
struct TareRowTexts {
    QString litres;
    QString units;
};
// The texts the grid shows for points 0 .. `TarirLeng` - 1 (none when the stored length
// is beyond TareMaxPoints).
std::vector<TareRowTexts> TareRows(const QByteArray& section4);

// The characters "0".."9" of a cell text, in order ("1a2" gives "12").
QString TareDigits(const QString& cellText);

// Stores the grid's texts for points 0 .. `TarirLeng` - 1 (rows missing from `rows` count as
// empty): digits only, an empty cell stores 0. A litre value above 255 or a reading above
// 32767 raises ERangeError naming the row as the grid numbers it ("Row 12: Range check
// error"); the rows before it stay stored. Then `TarirHighStart` becomes 1 when the reading
// of point 0 is above TareHighStartReading, else 0.
void CommitTareTable(QByteArray& section4, const std::vector<TareRowTexts>& rows);

// Row k (0..6) of the seven-point calibration is shown while the point count is above k.
bool SevenPointRowVisible(int quantity, int row);
