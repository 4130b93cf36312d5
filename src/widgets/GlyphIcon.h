// Toolbar icons: the icon theme's where one exists, else a short glyph drawn at any size.
#pragma once

#include <QIcon>
#include <QString>

// The icon theme used where the desktop's own theme lacks an icon (a package the program
// depends on).
inline const QString FallbackIconTheme = QStringLiteral("breeze");

// Makes FallbackIconTheme Qt's fallback theme and gives the program its window icon.
void setUpIcons();

// Tessaline's own application icon.
QIcon applicationIcon();

// The named icon from the desktop's theme, else from FallbackIconTheme's files; a null icon
// when neither has it.
QIcon standardIcon(const QString& name);

// An icon that paints the glyph (for example "B", "<p>" or "©") crisply at every requested
// size. Its text is never smaller than the toolbar buttons' normal font: where a square is too
// narrow for that, actualSize() asks for a wider icon.
QIcon glyphIcon(const QString& glyph);
QIcon themeOrGlyphIcon(const QString& themeName, const QString& glyph);

// The glyph a glyph icon draws, empty for other icons.
QString glyphOf(const QIcon& icon);
// Whether the icon is no glyph icon or its glyph fits a side × side square at the normal font
// size; a toolbar shows the others as text (toolbars draw every icon at their own icon size).
bool glyphFitsSquare(const QIcon& icon, int side);

// The smallest pixel size glyph text is drawn with: the toolbar buttons' normal font.
int glyphMinimumPixelSize();
