// CharsetGuard: before a page is saved, compares its own charset declaration with the encoding
// written.
#pragma once

#include "core/TextFileCodec.h"

#include <QString>
#include <QStringView>
#include <optional>

class QWidget;

namespace CharsetGuard
{

struct Declaration {
    QString name; // as the page spells it
    TextFileFormat::Encoding encoding;
};

// The first "<meta charset=...>" or http-equiv "Content-Type" declaration among the page's first
// characters, when it names an encoding this editor writes.
std::optional<Declaration> declared(QStringView text);

// The encoding that saving text in *format would write (Windows-1252 falls back to UTF-8 for
// characters it cannot hold).
TextFileFormat::Encoding writtenEncoding(QStringView text, const TextFileFormat& format);

// Asks when the declaration and the written encoding differ. Returns false when the save must
// not happen; *format takes the declared encoding when the user chooses it.
bool confirm(QWidget* parent, QStringView text, TextFileFormat* format);

} // namespace CharsetGuard
