// PageCheck: checks a page's text with HTML Tidy and by our own rules (local links, anchors,
// images without alt, the declared charset) and returns the findings at the editor's places.
#pragma once

#include "core/TextFileCodec.h"

#include <QList>
#include <QString>
#include <QStringView>
#include <atomic>
#include <optional>

namespace PageCheck
{

enum class Kind { Error, Warning, Note };

struct Finding {
    int line = 1;   // hard line, 1-based, as the caret panel shows it
    int column = 0; // characters in front of the place on its line, as the caret panel shows it
    int length = 0; // characters of the line the finding covers from there on
    Kind kind = Kind::Note;
    QString message;
    bool operator==(const Finding&) const = default;
};

struct Page {
    // Lines may end with CR LF, LF, a lone CR or U+2029.
    QString text;
    // The document's folder; empty for a document that was never saved (no file checks then).
    QString folder;
    // The encoding the document is written in; none skips the charset check.
    std::optional<TextFileFormat::Encoding> encoding;
};

// Shared with a check running in another thread: the caller may stop it at any time, and reads
// how far it has got.
struct Control {
    std::atomic<bool> stop{false};
    std::atomic<int> percent{0};
};

// Every finding, sorted by place. A stopped check returns what it found so far.
QList<Finding> check(const Page& page, Control* control = nullptr);

// "Fehler", "Warnung", "Hinweis".
QString kindText(Kind kind);
// "3 Fehler, 5 Warnungen", or "Keine Probleme gefunden." when there is nothing.
QString summary(const QList<Finding>& findings);

// Lines and columns of a text, for turning offsets into places and back.
class LineIndex
{
public:
    explicit LineIndex(QStringView text);
    int lineCount() const { return int(m_starts.size()); }
    qsizetype lineStart(int line) const { return m_starts[line]; } // 0-based line
    qsizetype lineEnd(int line) const { return m_ends[line]; }     // in front of its line end
    int lineOf(qsizetype offset) const;                            // 0-based
    qsizetype offsetOf(int line, int column) const;

private:
    QList<qsizetype> m_starts;
    QList<qsizetype> m_ends;
};

// The two halves check() puts together: findings at offsets of the checked text.
struct RawFinding {
    qsizetype offset = 0; // in the checked text
    int length = 0;
    Kind kind = Kind::Note;
    QString message;
};
QList<RawFinding> tidyFindings(QStringView text, const LineIndex& lines, Control* control,
                               int firstPercent, int lastPercent);
// Local links and images, anchors, images without alt, the declared charset.
QList<RawFinding> ownFindings(const Page& page, Control* control, int firstPercent, int lastPercent,
                              qsizetype* tooDeepAt);

} // namespace PageCheck
