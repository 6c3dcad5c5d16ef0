#pragma once

// The hot menus of section 9 as the hot-menu page edits them: four lists of ten device
// menu codes (0 = empty entry), read from and written to the section record, the list
// operations of the page, the captions of the entries and the items a list can take.

#include "MenuItemsH.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

using THotMenuList = std::array<std::uint16_t, HotMenuSlots>;

// List 0..3 of the section record (u16 little-endian codes).
THotMenuList ReadHotMenu(const QByteArray& section9, int list);
void WriteHotMenu(QByteArray& section9, int list, const THotMenuList& entries);

// Moves the empty entries to the end; the others keep their order.
void CompactHotMenu(THotMenuList& entries);
// The page fill's compaction of all four lists (the spare list 3 included).
void CompactHotMenus(QByteArray& section9);

// Empties one entry (the next compaction moves the later ones up).
void DeleteHotMenuEntry(THotMenuList& entries, int row);
void ClearHotMenu(THotMenuList& entries);
// Puts code at row, moving the entries row..8 down by one; entry 9 is lost.
void InsertHotMenuEntry(THotMenuList& entries, int row, std::uint16_t code);
// True when an insert would push a non-empty entry 9 out of the list.
bool HotMenuInsertDropsLast(const THotMenuList& entries);
// Moves the entry at from to to; the entries between shift one place towards from.
void MoveHotMenuEntry(THotMenuList& entries, int from, int to);
// Rows outside 0..9 raise ERangeError in all of the above.

// The caption of the device menu item with this code; empty for 0 or an unknown code.
QString HotMenuCaption(const TMKMenuTable& menu, std::uint16_t code);

// One item of the insert menu: a device menu item (MenuCode non-zero) or a group of items
// (MenuCode 0, Items in order), captioned in the current language.
struct THotMenuChoice {
    QString Caption;
    std::uint16_t MenuCode = 0;
    std::vector<THotMenuChoice> Items;
    bool IsGroup() const { return MenuCode == 0; }
};
// The items list 0, 1 or 2 can take, with their groups, holding only the keys the device's
// menu table has; a group left with no item is left out. Other lists take none.
std::vector<THotMenuChoice> HotMenuInsertChoices(int list, const TMKMenuTable& menu);
