// Whole-document character conversions: umlauts and their entities, Windows and DOS code pages.
#pragma once

#include <QLatin1StringView>
#include <QString>
#include <span>

class TExtRich;

struct UmlautEntity {
    char16_t character;
    QLatin1StringView entity; // with its closing semicolon
};

// The seven German characters in their fixed order: ä Ä ü Ü ö Ö ß.
std::span<const UmlautEntity> umlautTable();
// The entity of ch without its semicolon ("&Auml" for Ä), empty for any other character.
QString entityPrefix(QChar ch);

namespace Conversions
{

// Pure conversions. Line breaks (CR, LF, U+2028, U+2029) always pass unchanged.
QString umlautsToEntities(const QString& text);
// Exact, case-sensitive entities only: "&uuml" without semicolon and "&UUML;" stay.
QString entitiesToUmlauts(const QString& text);
// Character by character, the length kept. A character the target code page lacks stays as it
// is; ASCII always maps to itself.
QString ansiToOem(const QString& text);
QString oemToAnsi(const QString& text);

// The same on a text control, as one undo step that replaces only the changed stretch of each
// changed line, so formats elsewhere stay. Return whether the text changed.
bool umlautsToEntities(TExtRich* memo);
bool entitiesToUmlauts(TExtRich* memo);
// Nothing happens for a ".rtf" document. Otherwise the document counts as modified afterwards
// even when no character changed, because every line is written anew.
bool ansiToOem(TExtRich* memo, const QString& fileExt);
bool oemToAnsi(TExtRich* memo, const QString& fileExt);

} // namespace Conversions
