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
    bool operator==(const Declaration&) const = default;
};

// Declarations stand in the head; browsers look no further than this many characters either.
inline constexpr qsizetype SearchedLength = 64 * 1024;

// The first "<meta charset=...>" or http-equiv "Content-Type" declaration among the page's first
// SearchedLength characters, when it names an encoding this editor writes.
std::optional<Declaration> declared(QStringView text);

// What confirm asks about: the page declares one encoding, the writer would write another.
struct Question {
    Declaration declaration;
    TextFileFormat::Encoding written;
};

// The question before text is saved in format (text and lineEnds as encodeTextFile takes them),
// or none when the declaration and the encoding written agree or there is no declaration.
std::optional<Question> question(QStringView text, const LineBreaks& lineEnds,
                                 const TextFileFormat& format);

// Asks the question, if there is one. Returns false when the save must not happen; *format takes
// the declared encoding when the user chooses it.
bool confirm(QWidget* parent, const QString& text, const LineBreaks& lineEnds,
             TextFileFormat* format);

} // namespace CharsetGuard
