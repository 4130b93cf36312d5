// Our small RTF reader and writer for rich-text documents: paragraph indents and alignment,
// bold/italic/underline, font, size, colour, \'hh and \u escapes.
#pragma once

#include <QByteArray>

class QTextDocument;

// Replaces the document's content by the RTF text. Unknown control words and destinations are
// skipped, never fatal; malformed input yields whatever text could be read.
void readRtf(const QByteArray& rtf, QTextDocument* document);
// The whole document as RTF (ANSI code page 1252, non-ASCII as \'hh or \uN?).
QByteArray writeRtf(const QTextDocument* document);
