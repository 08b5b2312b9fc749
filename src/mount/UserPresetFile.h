#pragma once

#include <QByteArray>
#include <QStringList>
#include <optional>

namespace qx {

class Form1;

// The user's own gear table in the settings folder: eleven items on one line with no line end,
// each a double quote, the text, a double quote and a comma. Items 1..8 are Text2..Text9 as they
// stand, 9 the MaxRate (stored, never applied), 10 and 11 "1" when RA + and DEC + are chosen.
inline const char* const kSetDataFile = "SetData.txt";
inline constexpr int kUserPresetItems = 11;

QByteArray userPresetBytes(const QStringList& items);
// The eleven fields of the file by the settings files' field-reading rule; nullopt when fewer
// can be read (`cut`: the file goes on after `content`).
std::optional<QStringList> userPresetItems(const QByteArray& content, bool cut = false);

// Stores the gear table, the MaxRate and the two directions; atomically, so a failed save leaves
// the previous file.
void Save_Set(Form1& form);
// Fills Text2..Text9 and the direction lamps from the file. A missing or short file changes
// nothing; a direction that is not a number stops there, keeping what was filled before it.
void Load_Set(Form1& form);

}  // namespace qx
