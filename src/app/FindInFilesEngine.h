// Searching and replacing across the files of a folder tree: matching, listing, reading, writing.
#pragma once

#include "core/TextFileCodec.h"
#include "editor/Search.h"

#include <QByteArrayView>
#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <atomic>

namespace FindInFiles
{

// Files larger than this are skipped, and no replacement may make a file larger than the editor
// could open.
constexpr qint64 MaxFileBytes = 50ll * 1024 * 1024;
constexpr qint64 MaxReplacedFileBytes = 512ll * 1024 * 1024;
// Hits listed per file and for a whole search; the counts go on beyond them.
constexpr int MaxListedHitsPerFile = 1000;
constexpr int MaxListedHits = 20000;
// The shown text of a hit's line around the hit.
constexpr qsizetype MaxShownLine = 240;

// Finds a text the way the document's own search does: the same capitals without regard to case,
// the same word delimiters, texts longer than MaxSearchLength cut. Hits never overlap: the next
// one is looked for behind the last. A whole word is preceded by a delimiter (or the start of the
// text) and followed by one (or the end). A search text holding a line break finds nothing.
class TextMatcher
{
public:
    TextMatcher(const QString& findText, bool matchCase, bool wholeWord);
    bool isValid() const { return !m_pattern.isEmpty(); }
    qsizetype length() const { return m_pattern.size(); }
    // The first hit at or behind from, or -1.
    qsizetype find(QStringView text, qsizetype from) const;
    // False only when a file of these bytes (in either encoding) cannot hold a hit, so its
    // decoding can be saved.
    bool mayOccurIn(QByteArrayView bytes) const;
    // Every hit replaced by replacement; *count receives the number replaced.
    QString replaceAll(QStringView text, const QString& replacement, int* count) const;

private:
    qsizetype findRaw(QStringView text, qsizetype from) const;
    QString m_pattern;         // in capitals unless the case counts
    QByteArray m_utf8, m_ansi; // the search text in the two encodings (m_ansi empty: none)
    bool m_asciiFold = false;  // without case, an ASCII search text: compared in lower case
    bool m_matchCase;
    bool m_wholeWord;
};

// True for a text that cannot stand in one line: search and replacement texts must not.
bool holdsLineBreak(QStringView text);

struct Hit {
    int line = 0;   // 1-based
    int column = 0; // 0-based, characters of the line
    int length = 0;
    QString shown;      // the line (or the part around the hit), control characters as blanks
    int shownStart = 0; // the hit within shown
};

struct FileResult {
    QString path;     // as listed
    QString relative; // to the searched folder
    bool openDocument = false;
    int hitCount = 0;
    QList<Hit> hits; // at most MaxListedHitsPerFile
};

struct SkippedFile {
    QString path;
    QString reason;
};

// The hits of text (lines separated by '\n'), the first maxListed of them with their lines.
FileResult searchText(QStringView text, const TextMatcher& matcher, int maxListed);

// File-name patterns such as "*.htm;*.html": separated by ';' (or ','), compared without case.
QList<QRegularExpression> namePatterns(const QString& types);
bool matchesPatterns(const QString& fileName, const QList<QRegularExpression>& patterns);

struct FileListing {
    QStringList files;
    QStringList canonicalFiles; // the same files without links or "..", for comparing
    QList<SkippedFile> skipped;
};
// The regular files below folder whose names match, sorted by name, subfolders after the
// files of their folder. Directories reached twice (links, loops) are walked once; a file reached
// through two names is listed once. Files matching the patterns that are no regular files
// (FIFOs, devices, sockets, broken links) and unreadable folders are listed as skipped.
// Nothing is ever opened here.
FileListing listFiles(const QString& folder, const QList<QRegularExpression>& patterns,
                      bool subfolders, const std::atomic_bool& stop);

// Reads a file for searching: the reason it is skipped, or an empty string and its text. Given
// a matcher, a file that cannot hold a hit is left empty without being decoded.
QString readForSearch(const QString& path, DecodedText* decoded, QByteArray* bytes = nullptr,
                      const TextMatcher* matcher = nullptr);

// The file's bytes with every hit of matcher replaced, each hit's bytes giving way to the
// replacement in the file's encoding and every other byte kept. Empty reason on success;
// *count receives the hits replaced (0: bytes unchanged).
struct ByteReplacement {
    QByteArray bytes;
    int count = 0;
    QString reason; // why the file cannot take the replacement
};
ByteReplacement replaceInBytes(const QByteArray& bytes, const DecodedText& decoded,
                               const TextMatcher& matcher, const QString& replacement,
                               qint64 maxBytes = MaxReplacedFileBytes);

// Reads, replaces and writes back one file atomically; the reason when it could not.
struct FileReplacement {
    int count = 0;
    QString reason;
};
FileReplacement replaceInFile(const QString& path, const TextMatcher& matcher,
                              const QString& replacement);

// A path as one line of a list: line breaks and other control characters are shown as U+FFFD.
QString shownPath(const QString& path);

} // namespace FindInFiles
