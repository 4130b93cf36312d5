// Toolbar icons: the desktop theme's icon where one exists, else a short glyph drawn at any size.
#pragma once

#include <QIcon>
#include <QString>

// An icon that paints the glyph (for example "B", "<p>" or "©") crisply at every requested size.
QIcon glyphIcon(const QString& glyph);
QIcon themeOrGlyphIcon(const QString& themeName, const QString& glyph);
