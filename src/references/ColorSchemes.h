// The colour schemes of the background dialog in the settings store, below "BackPicture".
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

namespace SchemaStore
{

// Background, text, link, visited link, active link.
using Colors = std::array<std::uint32_t, 5>;
// What a scheme value stands for when it is absent or no colour text: the window colour for the
// background, the window-text colour for the four texts (clWindow, clWindowText).
Colors defaultColors();

// Scheme names compare without regard to case, as the store's subkeys do.

// "SName" 0 up to "SName" SCount as stored; absent names and later spellings of a name already
// listed are left out.
QStringList names();
Colors read(const QString& name);
// The five values of the scheme's subkey; the name list stays as it is.
void write(const QString& name, const Colors& colors);
// Raises "SCount" by one and stores name as the new last "SName". "SCount" is read within the
// store's list bound like every list count, so the new name always lies where names() reads; at
// that bound the listed names close up from 0 first, and a list truly full of names drops its
// oldest.
void addName(const QString& name);
// Removes the scheme's subkey and every "SName" equal to name in any case; the names left close
// up from 0.
void remove(const QString& name);

} // namespace SchemaStore
