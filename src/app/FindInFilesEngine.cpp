// Searching and replacing across the files of a folder tree: matching, listing, reading, writing.
#include "app/FindInFilesEngine.h"

#include "platform/FileIo.h"
#include "platform/UserError.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <climits>
#include <cstring>
#include <functional>
#include <memory>

namespace FindInFiles
{

namespace
{

bool isLineBreak(char16_t c)
{
    return c == u'\n' || c == u'\r' || c == u'\u2029';
}

QString shownText(QStringView text)
{
    QString out = text.toString();
    for (QChar& c : out)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = QLatin1Char(' ');
    return out;
}

// Bytes of one UTF-16 unit in UTF-8 (a surrogate pair: 4 on its high half, 0 on its low one).
int utf8Bytes(char16_t c)
{
    if (c < 0x80)
        return 1;
    if (c < 0x800)
        return 2;
    if (c >= 0xD800 && c <= 0xDBFF)
        return 4;
    if (c >= 0xDC00 && c <= 0xDFFF)
        return 0;
    return 3;
}

int lineEndBytes(TextFileFormat::LineBreak end)
{
    switch (end) {
    case TextFileFormat::LineBreak::CrLf:
        return 2;
    case TextFileFormat::LineBreak::ParagraphSeparator:
        return 3;
    default:
        return 1;
    }
}

// Walks a file's decoded text and its bytes side by side: the byte offset of each character
// position, asked for in ascending order.
class ByteWalker
{
public:
    ByteWalker(const QByteArray& bytes, const DecodedText& decoded)
        : m_decoded(decoded), m_size(bytes.size()),
          m_utf8(decoded.format.encoding != TextFileFormat::Encoding::Windows1252),
          m_offset(decoded.format.encoding == TextFileFormat::Encoding::Utf8Bom ? 3 : 0),
          m_text(reinterpret_cast<const char16_t*>(decoded.text.constData()))
    {
    }
    qint64 offsetOf(qsizetype pos)
    {
        for (; m_index < pos; ++m_index) {
            const char16_t c = m_text[m_index];
            if (c == u'\n')
                m_offset += lineEndBytes(m_decoded.lineEnds.value(m_line++));
            else
                m_offset += m_utf8 ? utf8Bytes(c) : 1;
        }
        return std::min<qint64>(m_offset, m_size);
    }

private:
    const DecodedText& m_decoded;
    qint64 m_size;
    bool m_utf8;
    qint64 m_offset;
    const char16_t* m_text;
    qsizetype m_index = 0;
    qsizetype m_line = 0;
};

} // namespace

bool holdsLineBreak(QStringView text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return isLineBreak(c.unicode()); });
}

TextMatcher::TextMatcher(const QString& findText, bool matchCase, bool wholeWord)
    : m_pattern(findText.left(MaxSearchLength)), m_matchCase(matchCase), m_wholeWord(wholeWord)
{
    if (holdsLineBreak(m_pattern))
        m_pattern.clear();
    const QString typed = m_pattern;
    if (!m_pattern.isEmpty()) {
        m_utf8 = typed.toUtf8();
        bool ok = true;
        m_ansi = encodeWindows1252(typed, &ok);
        if (!ok)
            m_ansi.clear();
        m_asciiFold = !m_matchCase && std::all_of(typed.begin(), typed.end(),
                                                  [](QChar c) { return c.unicode() < 0x80; });
        if (m_asciiFold)
            m_utf8 = m_utf8.toLower();
    }
    if (!m_matchCase) {
        const char16_t* caps = searchCapitals();
        for (QChar& c : m_pattern)
            c = QChar(caps[c.unicode()]);
    }
}

namespace
{

// Whether needle stands in bytes (Qt's own search hashes every byte, several times slower).
bool holds(QByteArrayView bytes, QByteArrayView needle)
{
    if (needle.isEmpty())
        return true;
    if (needle.size() == 1)
        return std::memchr(bytes.data(), needle.front(), size_t(bytes.size())) != nullptr;
    const std::boyer_moore_horspool_searcher searcher(needle.begin(), needle.end());
    return std::search(bytes.begin(), bytes.end(), searcher) != bytes.end();
}

// Whether the UTF-8 of the dotless i or the long s stands in bytes.
bool holdsAsciiCapitalOutsideAscii(QByteArrayView bytes)
{
    const char* p = bytes.data();
    const char* end = p + bytes.size();
    while ((p = static_cast<const char*>(std::memchr(p, 0xC4, size_t(end - p)))) && p + 1 < end) {
        if (p[1] == '\xB1')
            return true;
        ++p;
    }
    p = bytes.data();
    while ((p = static_cast<const char*>(std::memchr(p, 0xC5, size_t(end - p)))) && p + 1 < end) {
        if (p[1] == '\xBF')
            return true;
        ++p;
    }
    return false;
}

} // namespace

bool TextMatcher::mayOccurIn(QByteArrayView bytes) const
{
    if (m_pattern.isEmpty())
        return false;
    if (m_matchCase)
        return holds(bytes, m_utf8) || (!m_ansi.isEmpty() && holds(bytes, m_ansi));
    if (!m_asciiFold)
        return true;
    // Without case only ASCII letters, the dotless i and the long s have ASCII capitals: a file
    // holding either of those two is decoded whatever it holds.
    if (holdsAsciiCapitalOutsideAscii(bytes))
        return true;
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; };
    const auto hash = [lower](char c) { return std::hash<char>()(lower(c)); };
    const auto same = [lower](char a, char b) { return lower(a) == lower(b); };
    const std::boyer_moore_horspool_searcher searcher(m_utf8.begin(), m_utf8.end(), hash, same);
    return std::search(bytes.begin(), bytes.end(), searcher) != bytes.end();
}

qsizetype TextMatcher::findRaw(QStringView text, qsizetype from) const
{
    const qsizetype m = m_pattern.size();
    const qsizetype n = text.size();
    if (m_matchCase)
        return text.indexOf(m_pattern, from);
    const char16_t* caps = searchCapitals();
    const char16_t* data = reinterpret_cast<const char16_t*>(text.data());
    const char16_t* pattern = reinterpret_cast<const char16_t*>(m_pattern.constData());
    const char16_t first = pattern[0];
    for (qsizetype c = from; c + m <= n; ++c) {
        if (caps[data[c]] != first)
            continue;
        qsizetype k = 1;
        while (k < m && caps[data[c + k]] == pattern[k])
            ++k;
        if (k == m)
            return c;
    }
    return -1;
}

qsizetype TextMatcher::find(QStringView text, qsizetype from) const
{
    if (m_pattern.isEmpty())
        return -1;
    const qsizetype n = text.size();
    const qsizetype m = m_pattern.size();
    while (from >= 0 && from + m <= n) {
        const qsizetype c = findRaw(text, from);
        if (c < 0 || !m_wholeWord)
            return c;
        // A word starts behind a delimiter with a letter or digit, and ends at a delimiter.
        const bool starts = !isWordDelimiter(text[c].unicode()) &&
                            (c == 0 || isWordDelimiter(text[c - 1].unicode()));
        const bool ends = c + m == n || isWordDelimiter(text[c + m].unicode());
        if (starts && ends)
            return c;
        from = c + 1;
    }
    return -1;
}

QString TextMatcher::replaceAll(QStringView text, const QString& replacement, int* count) const
{
    int found = 0;
    QString out;
    qsizetype done = 0;
    for (qsizetype c = find(text, 0); c >= 0; c = find(text, done)) {
        if (found == 0)
            out.reserve(text.size());
        out += text.mid(done, c - done);
        out += replacement;
        done = c + m_pattern.size();
        ++found;
    }
    if (count)
        *count = found;
    if (found == 0)
        return text.toString();
    out += text.mid(done);
    return out;
}

FileResult searchText(QStringView text, const TextMatcher& matcher, int maxListed)
{
    FileResult result;
    if (!matcher.isValid())
        return result;
    const char16_t* data = reinterpret_cast<const char16_t*>(text.data());
    const qsizetype m = matcher.length();
    qsizetype counted = 0; // lines are counted up to here
    int line = 1;
    qsizetype lineStart = 0;
    for (qsizetype c = matcher.find(text, 0); c >= 0; c = matcher.find(text, c + m)) {
        ++result.hitCount;
        if (result.hits.size() >= maxListed)
            continue;
        line += int(std::count(data + counted, data + c, u'\n'));
        counted = c;
        lineStart = c > 0 ? text.lastIndexOf(u'\n', c - 1) + 1 : 0;
        qsizetype lineEnd = text.indexOf(u'\n', c);
        if (lineEnd < 0)
            lineEnd = text.size();
        Hit hit;
        hit.line = line;
        hit.column = int(c - lineStart);
        hit.length = int(m);
        // Long lines show the part around the hit, marked as cut.
        qsizetype from = lineStart;
        qsizetype to = lineEnd;
        if (to - from > MaxShownLine) {
            from = std::max(lineStart, c - MaxShownLine / 3);
            to = std::min(lineEnd, std::max(c + m, from + MaxShownLine));
        }
        hit.shown = shownText(text.mid(from, to - from));
        hit.shownStart = int(c - from);
        if (from > lineStart) {
            hit.shown.prepend(QChar(0x2026));
            ++hit.shownStart;
        }
        if (to < lineEnd)
            hit.shown.append(QChar(0x2026));
        result.hits.append(hit);
    }
    return result;
}

QList<QRegularExpression> namePatterns(const QString& types)
{
    QList<QRegularExpression> patterns;
    const QStringList parts = QString(types)
                                  .replace(QLatin1Char(','), QLatin1Char(';'))
                                  .split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        const QString pattern = part.trimmed();
        if (pattern.isEmpty())
            continue;
        patterns.append(
            QRegularExpression(QRegularExpression::wildcardToRegularExpression(
                                   pattern, QRegularExpression::UnanchoredWildcardConversion),
                               QRegularExpression::CaseInsensitiveOption));
        patterns.last().setPattern(QLatin1Char('^') + patterns.last().pattern() + QLatin1Char('$'));
    }
    if (patterns.isEmpty())
        patterns.append(QRegularExpression(QStringLiteral(".*")));
    return patterns;
}

bool matchesPatterns(const QString& fileName, const QList<QRegularExpression>& patterns)
{
    return std::any_of(patterns.begin(), patterns.end(), [&](const QRegularExpression& pattern) {
        return pattern.match(fileName).hasMatch();
    });
}

namespace
{

class Walker
{
public:
    Walker(const QList<QRegularExpression>& patterns, bool subfolders, const std::atomic_bool& stop,
           FileListing& out)
        : m_patterns(patterns), m_subfolders(subfolders), m_stop(stop), m_out(out)
    {
    }

    void walk(const QString& folder, int depth)
    {
        if (m_stop.load(std::memory_order_relaxed))
            return;
        const QFileInfo folderInfo(folder);
        if (!folderInfo.isReadable() || !folderInfo.isExecutable()) {
            m_out.skipped.append({folder, QStringLiteral("Ordner nicht lesbar")});
            return;
        }
        const QString canonical = folderInfo.canonicalFilePath();
        if (m_folders.contains(canonical)) {
            m_out.skipped.append({folder, QStringLiteral("Ordner schon durchsucht (Verknüpfung)")});
            return;
        }
        m_folders.insert(canonical);
        const QFileInfoList entries = QDir(folder).entryInfoList(
            QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
        QStringList subfolders;
        for (const QFileInfo& entry : entries) {
            if (entry.isDir()) {
                if (m_subfolders)
                    subfolders.append(entry.filePath());
                continue;
            }
            if (!matchesPatterns(entry.fileName(), m_patterns))
                continue;
            if (entry.isFile()) {
                // Only a link can lead to a file reached another way already.
                const QString real = entry.isSymLink()
                                         ? entry.canonicalFilePath()
                                         : canonical + QLatin1Char('/') + entry.fileName();
                if (!m_files.contains(real)) {
                    m_files.insert(real);
                    m_out.files.append(entry.filePath());
                    m_out.canonicalFiles.append(real);
                }
            } else if (entry.isSymLink() && !entry.exists()) {
                m_out.skipped.append({entry.filePath(), QStringLiteral("Verknüpfung ohne Ziel")});
            } else {
                m_out.skipped.append({entry.filePath(), QStringLiteral("keine gewöhnliche Datei")});
            }
        }
        // Deeper than any real site: only a tree built to trap a walker goes on.
        if (depth >= 200) {
            for (const QString& sub : std::as_const(subfolders))
                m_out.skipped.append({sub, QStringLiteral("Ordner zu tief verschachtelt")});
            return;
        }
        for (const QString& sub : std::as_const(subfolders))
            walk(sub, depth + 1);
    }

private:
    const QList<QRegularExpression>& m_patterns;
    bool m_subfolders;
    const std::atomic_bool& m_stop;
    FileListing& m_out;
    QSet<QString> m_folders;
    QSet<QString> m_files;
};

} // namespace

FileListing listFiles(const QString& folder, const QList<QRegularExpression>& patterns,
                      bool subfolders, const std::atomic_bool& stop)
{
    FileListing listing;
    Walker(patterns, subfolders, stop, listing).walk(folder, 0);
    return listing;
}

QString readForSearch(const QString& path, DecodedText* decoded, QByteArray* bytesOut,
                      const TextMatcher* matcher)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return QStringLiteral("keine gewöhnliche Datei");
    if (info.size() > MaxFileBytes)
        return QStringLiteral("größer als 50 MB");
    QByteArray bytes;
    try {
        bytes = readWholeFile(path, MaxFileBytes);
    } catch (const UserError&) {
        return info.size() > MaxFileBytes ? QStringLiteral("größer als 50 MB")
                                          : QStringLiteral("nicht lesbar");
    }
    if (std::memchr(bytes.constData(), 0, size_t(bytes.size())))
        return QStringLiteral("Binärdatei (enthält Null-Bytes)");
    if (matcher && !matcher->mayOccurIn(bytes))
        return {};
    *decoded = decodeTextFile(bytes);
    if (bytesOut)
        *bytesOut = std::move(bytes);
    return {};
}

ByteReplacement replaceInBytes(const QByteArray& bytes, const DecodedText& decoded,
                               const TextMatcher& matcher, const QString& replacement,
                               qint64 maxBytes)
{
    ByteReplacement result;
    if (holdsLineBreak(replacement)) {
        result.reason = QStringLiteral("Der Ersatztext enthält einen Zeilenumbruch");
        return result;
    }
    const QStringView text(decoded.text);
    const qsizetype m = matcher.length();
    qsizetype first = matcher.find(text, 0);
    if (first < 0)
        return result;
    QByteArray replacementBytes;
    if (decoded.format.encoding == TextFileFormat::Encoding::Windows1252) {
        bool ok = true;
        replacementBytes = encodeWindows1252(replacement, &ok);
        if (!ok) {
            result.reason = QStringLiteral("Der Ersatztext enthält Zeichen, die in der Kodierung "
                                           "der Datei (Windows-1252) fehlen");
            return result;
        }
    } else {
        replacementBytes = replacement.toUtf8();
    }
    auto tooLarge = [&result, maxBytes](qint64 size) {
        result.reason = QStringLiteral("Die Datei würde mit %1 MB zu groß (höchstens %2 MB)")
                            .arg((size + (1 << 20) - 1) >> 20)
                            .arg(maxBytes >> 20);
        return result;
    };
    // A hit takes at most three bytes a character: a replacement that grows the file past the
    // limit even so is refused before anything is built.
    qint64 hits = 0;
    for (qsizetype c = first; c >= 0; c = matcher.find(text, c + m))
        ++hits;
    const qint64 least = qint64(bytes.size()) + hits * (replacementBytes.size() - 3 * m);
    if (least > maxBytes)
        return tooLarge(least);
    QByteArray out;
    out.reserve(qsizetype(std::min<qint64>(maxBytes, std::max<qint64>(least, bytes.size()))));
    ByteWalker walker(bytes, decoded);
    qint64 done = 0;
    for (qsizetype c = first; c >= 0; c = matcher.find(text, c + m)) {
        const qint64 start = walker.offsetOf(c);
        out.append(bytes.constData() + done, qsizetype(start - done));
        out.append(replacementBytes);
        done = walker.offsetOf(c + m);
        if (out.size() + (bytes.size() - done) > maxBytes)
            return tooLarge(out.size() + (bytes.size() - done));
    }
    out.append(bytes.constData() + done, qsizetype(bytes.size() - done));
    // Bytes that now read as another encoding (a Windows-1252 file become valid UTF-8, a UTF-8
    // text now beginning with a byte-order mark) would not keep the file's encoding.
    if (decodeTextFile(out).format.encoding != decoded.format.encoding) {
        result.reason = QStringLiteral("Die Kodierung der Datei bliebe nicht erhalten");
        return result;
    }
    result.bytes = std::move(out);
    result.count = int(std::min<qint64>(hits, INT_MAX));
    return result;
}

FileReplacement replaceInFile(const QString& path, const TextMatcher& matcher,
                              const QString& replacement)
{
    FileReplacement result;
    DecodedText decoded;
    QByteArray bytes;
    result.reason = readForSearch(path, &decoded, &bytes);
    if (!result.reason.isEmpty())
        return result;
    ByteReplacement replaced = replaceInBytes(bytes, decoded, matcher, replacement);
    if (!replaced.reason.isEmpty() || replaced.count == 0) {
        result.reason = replaced.reason;
        return result;
    }
    // A file marked read-only stays as it is, even for a user the system would let write it.
    const QFileInfo info(path);
    if (!info.isWritable() || !(info.permissions() & QFileDevice::WriteOwner)) {
        result.reason = QStringLiteral("schreibgeschützt");
        return result;
    }
    try {
        writeFileAtomically(path, replaced.bytes);
    } catch (const UserError& error) {
        result.reason = QStringLiteral("nicht schreibbar (%1)").arg(error.text());
        return result;
    }
    result.count = replaced.count;
    return result;
}

QString shownPath(const QString& path)
{
    QString out = path;
    for (QChar& c : out)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = QChar(0xFFFD);
    return out;
}

} // namespace FindInFiles
