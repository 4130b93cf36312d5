// PageCheckLinks: our own checks of a page: local links and images, anchors in the page and in
// linked files, images without alt, the declared charset, and how deep the tags nest.
#include "editor/CharsetGuard.h"
#include "editor/EncodingChoice.h"
#include "editor/PageCheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QUrl>
#include <optional>
#include <span>
#include <vector>

namespace PageCheck
{
namespace
{

struct Attribute {
    QStringView name;
    qsizetype valueStart = 0;
    qsizetype valueLength = 0;
};

struct Tag {
    qsizetype start = 0;
    qsizetype end = 0;
    QStringView name;
    bool closing = false;
    bool selfClosing = false;
    QList<Attribute> attributes;
};

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'-' || c == u':' || c == u'_' || c == u'.';
}

bool same(QStringView a, QStringView b)
{
    return a.size() == b.size() && a.compare(b, Qt::CaseInsensitive) == 0;
}

// Visits every start and end tag of the text in order, as a browser's tokenizer would find them:
// comments, declarations and the content of script and style are passed over. visit returns
// false to stop. Every character is looked at a bounded number of times.
template <class Visit> void scanTags(QStringView text, Visit visit)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    Tag tag;
    while ((i = text.indexOf(u'<', i)) >= 0) {
        if (text.mid(i, 4) == u"<!--") {
            const qsizetype close = text.indexOf(u"-->", i + 4);
            i = close < 0 ? n : close + 3;
            continue;
        }
        if (i + 1 < n && (text[i + 1] == u'!' || text[i + 1] == u'?')) {
            const qsizetype close = text.indexOf(u'>', i + 1);
            i = close < 0 ? n : close + 1;
            continue;
        }
        tag.closing = i + 1 < n && text[i + 1] == u'/';
        qsizetype p = i + 1 + (tag.closing ? 1 : 0);
        if (p >= n || !text[p].isLetter()) {
            ++i;
            continue;
        }
        const qsizetype nameStart = p;
        while (p < n && isNameChar(text[p]))
            ++p;
        tag.start = i;
        tag.name = text.mid(nameStart, p - nameStart);
        tag.selfClosing = false;
        tag.attributes.clear();
        while (p < n) {
            while (p < n && text[p].isSpace())
                ++p;
            if (p >= n)
                break;
            const QChar c = text[p];
            if (c == u'>') {
                ++p;
                break;
            }
            if (c == u'<')
                break; // an unclosed tag: the next one begins here
            if (c == u'/') {
                tag.selfClosing = p + 1 < n && text[p + 1] == u'>';
                ++p;
                continue;
            }
            const qsizetype attrStart = p;
            while (p < n && !text[p].isSpace() && text[p] != u'=' && text[p] != u'>' &&
                   text[p] != u'<' && text[p] != u'/')
                ++p;
            if (p == attrStart) {
                ++p; // a stray '='
                continue;
            }
            Attribute attribute{text.mid(attrStart, p - attrStart), p, 0};
            qsizetype q = p;
            while (q < n && text[q].isSpace())
                ++q;
            if (q < n && text[q] == u'=') {
                ++q;
                while (q < n && text[q].isSpace())
                    ++q;
                if (q < n && (text[q] == u'"' || text[q] == u'\'')) {
                    const qsizetype close = text.indexOf(text[q], q + 1);
                    attribute.valueStart = q + 1;
                    attribute.valueLength = (close < 0 ? n : close) - attribute.valueStart;
                    p = close < 0 ? n : close + 1;
                } else {
                    attribute.valueStart = q;
                    while (q < n && !text[q].isSpace() && text[q] != u'>')
                        ++q;
                    attribute.valueLength = q - attribute.valueStart;
                    p = q;
                }
            }
            tag.attributes.append(attribute);
        }
        tag.end = p;
        if (!visit(tag))
            return;
        i = p;
        if (!tag.closing && !tag.selfClosing &&
            (same(tag.name, u"script") || same(tag.name, u"style"))) {
            const QString close = QStringLiteral("</") + tag.name.toString();
            const qsizetype found = text.indexOf(close, i, Qt::CaseInsensitive);
            i = found < 0 ? n : found;
        }
    }
}

// A value as a browser reads it: every line end inside it is one LF, whatever the file holds.
QString attributeValue(QStringView text, const Attribute& attribute)
{
    static const QRegularExpression lineEnd(QStringLiteral("\\r\\n|[\\r\\x{2029}]"));
    QString value = text.mid(attribute.valueStart, attribute.valueLength).trimmed().toString();
    value.replace(lineEnd, QStringLiteral("\n"));
    value.replace(QLatin1String("&amp;"), QLatin1String("&"), Qt::CaseInsensitive);
    return value;
}

// A name in a message stays on the message's one line.
QString shown(QString name)
{
    return name.replace(QLatin1Char('\n'), QLatin1Char(' '))
        .replace(QChar(0), QChar::ReplacementCharacter);
}

QString percentDecoded(const QString& text)
{
    return QString::fromUtf8(QByteArray::fromPercentEncoding(text.toUtf8()));
}

// Elements that never hold others: no end tag, or none that matters here.
bool isVoid(QStringView name)
{
    static const char16_t* const names[] = {
        u"area",  u"base",     u"br",      u"col",    u"embed",  u"hr",    u"img",
        u"input", u"link",     u"meta",    u"param",  u"source", u"track", u"wbr",
        u"frame", u"basefont", u"isindex", u"keygen", u"html",   u"head",  u"body"};
    for (const char16_t* n : names)
        if (same(name, QStringView(n)))
            return true;
    return false;
}

using Names = std::span<const char16_t* const>;

bool among(QStringView name, Names names)
{
    for (const char16_t* n : names)
        if (same(name, QStringView(n)))
            return true;
    return false;
}

// The elements that bound the search for an open sibling: a cell's start tag ends the open
// cell of its own table, never one of a table around it. Empty for elements without siblings
// that end each other.
Names siblingScope(QStringView name)
{
    static const char16_t* const tableParts[] = {u"td",    u"th",    u"tr",      u"thead",
                                                 u"tbody", u"tfoot", u"colgroup"};
    static const char16_t* const table[] = {u"table"};
    static const char16_t* const lists[] = {u"ul", u"ol", u"menu", u"dir"};
    static const char16_t* const definitions[] = {u"dt", u"dd"};
    static const char16_t* const definitionList[] = {u"dl"};
    static const char16_t* const selects[] = {u"select", u"datalist", u"optgroup"};
    static const char16_t* const paragraphScope[] = {
        u"table", u"td", u"th", u"li", u"dd", u"div", u"blockquote", u"button", u"object", u"form"};
    if (among(name, tableParts))
        return table;
    if (same(name, u"li"))
        return lists;
    if (among(name, definitions))
        return definitionList;
    if (same(name, u"option"))
        return selects;
    if (same(name, u"p"))
        return paragraphScope;
    return {};
}

// Closes the innermost open element named name, and everything opened after it. The search
// stops at an element of scope and looks at the innermost elements only, which keeps it cheap.
void closeOpen(std::vector<QStringView>& open, QStringView name, Names scope = {})
{
    const std::size_t lowest = open.size() > 64 ? open.size() - 64 : 0;
    for (std::size_t k = open.size(); k > lowest; --k) {
        if (same(open[k - 1], name)) {
            open.resize(k - 1);
            return;
        }
        if (among(open[k - 1], scope))
            return;
    }
}

bool isLinkAttribute(QStringView name)
{
    return same(name, u"href") || same(name, u"src") || same(name, u"background") ||
           same(name, u"lowsrc");
}

struct Link {
    qsizetype start;
    qsizetype length;
    QString value;
};

// Anchors (name and id values) of a page.
QSet<QString> anchorsOf(QStringView text)
{
    QSet<QString> anchors;
    scanTags(text, [&](const Tag& tag) {
        if (!tag.closing)
            for (const Attribute& a : tag.attributes)
                if (same(a.name, u"id") || same(a.name, u"name"))
                    anchors.insert(attributeValue(text, a));
        return true;
    });
    return anchors;
}

// Linked pages larger than this are not read for their anchors.
constexpr qint64 MaxLinkedPage = 32 * 1024 * 1024;

class LinkChecker
{
public:
    LinkChecker(const Page& page, const QSet<QString>& anchors, QList<RawFinding>& findings)
        : m_page(page), m_anchors(anchors), m_findings(findings)
    {
    }

    void check(const Link& link)
    {
        // Pages name the same targets again and again: each value is looked up once.
        auto known = m_outcomes.constFind(link.value);
        if (known == m_outcomes.cend())
            known = m_outcomes.insert(link.value, outcome(link.value));
        if (!known->has_value())
            return;
        if ((*known)->kind == Kind::Note) {
            if (m_untitledNoted)
                return;
            m_untitledNoted = true;
        }
        m_findings.append({link.start, int(link.length), (*known)->kind, (*known)->message});
    }

private:
    struct Outcome {
        Kind kind;
        QString message;
    };

    std::optional<Outcome> outcome(const QString& value)
    {
        static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
        if (value.isEmpty() || value.startsWith(QLatin1String("//")))
            return std::nullopt;
        QString path;
        QString fragment;
        if (scheme.match(value).hasMatch()) {
            if (!value.startsWith(QLatin1String("file:"), Qt::CaseInsensitive))
                return std::nullopt;
            const QUrl url(value);
            path = url.toLocalFile();
            fragment = url.fragment(QUrl::FullyDecoded);
            if (path.isEmpty())
                return std::nullopt;
        } else {
            const qsizetype hash = value.indexOf(QLatin1Char('#'));
            if (hash >= 0)
                fragment = percentDecoded(value.mid(hash + 1));
            QString raw = value.left(hash < 0 ? value.size() : hash);
            const qsizetype query = raw.indexOf(QLatin1Char('?'));
            if (query >= 0)
                raw.truncate(query);
            // A path from the server's root names no file of this folder.
            if (raw.startsWith(QLatin1Char('/')))
                return std::nullopt;
            path = percentDecoded(raw);
        }
        if (path.isEmpty()) {
            if (!fragment.isEmpty() && !m_anchors.contains(fragment))
                return Outcome{Kind::Warning,
                               QStringLiteral("Anker nicht gefunden: #%1").arg(shown(fragment))};
            return std::nullopt;
        }
        if (m_page.folder.isEmpty())
            return Outcome{Kind::Note, QStringLiteral("Das Dokument ist noch nicht gespeichert: "
                                                      "lokale Verweise werden nicht geprüft")};
        // No file name holds a NUL, and the file system must not be asked about one.
        if (path.contains(QChar(0)))
            return Outcome{Kind::Error,
                           QStringLiteral("Datei nicht gefunden: %1").arg(shown(path))};
        const QFileInfo file(QDir(m_page.folder).absoluteFilePath(path));
        if (!file.exists())
            return Outcome{Kind::Error,
                           QStringLiteral("Datei nicht gefunden: %1").arg(shown(path))};
        if (!fragment.isEmpty() && file.isFile() && !anchorsIn(file).contains(fragment))
            return Outcome{
                Kind::Warning,
                QStringLiteral("Anker nicht gefunden: %1#%2").arg(shown(path), shown(fragment))};
        return std::nullopt;
    }

    const QSet<QString>& anchorsIn(const QFileInfo& file)
    {
        const QString key = file.absoluteFilePath();
        auto it = m_linked.find(key);
        if (it != m_linked.end())
            return *it;
        QSet<QString> anchors;
        QFile f(key);
        if (file.size() <= MaxLinkedPage && f.open(QIODevice::ReadOnly))
            anchors = anchorsOf(decodeTextFile(f.readAll()).text);
        return *m_linked.insert(key, anchors);
    }

    const Page& m_page;
    const QSet<QString>& m_anchors;
    QList<RawFinding>& m_findings;
    QHash<QString, QSet<QString>> m_linked;
    QHash<QString, std::optional<Outcome>> m_outcomes;
    bool m_untitledNoted = false;
};

void checkCharset(const Page& page, QList<RawFinding>& findings)
{
    if (!page.encoding)
        return;
    TextFileFormat format;
    format.encoding = *page.encoding;
    const std::optional<CharsetGuard::Question> question =
        CharsetGuard::question(page.text, {}, format);
    if (!question)
        return;
    const QString& name = question->declaration.name;
    const QStringView head = QStringView(page.text).left(CharsetGuard::SearchedLength);
    const qsizetype charset = head.indexOf(u"charset", 0, Qt::CaseInsensitive);
    const qsizetype at = charset < 0 ? -1 : head.indexOf(name, charset, Qt::CaseInsensitive);
    findings.append({std::max<qsizetype>(at, 0), at < 0 ? 0 : int(name.size()), Kind::Error,
                     QStringLiteral("Die Seite gibt den Zeichensatz %1 an, das Dokument ist "
                                    "aber %2 kodiert")
                         .arg(name, EncodingChoice::encodingName(question->written))});
}

// Nesting deeper than this is no hand-written page, and would take Tidy's parser too deep.
constexpr int MaxDepth = 1000;

} // namespace

QList<RawFinding> ownFindings(const Page& page, Control* control, int firstPercent, int lastPercent,
                              qsizetype* tooDeepAt)
{
    const QStringView text = page.text;
    QList<RawFinding> findings;
    QSet<QString> anchors;
    QList<Link> links;
    // The open elements, as far as they matter for nesting: an end tag closes everything opened
    // after its start tag, as a browser's tree builder does.
    std::vector<QStringView> open;
    int tags = 0;
    *tooDeepAt = -1;
    bool stopped = false;
    scanTags(text, [&](const Tag& tag) {
        if (++tags % 1024 == 0 && control) {
            if (control->stop) {
                stopped = true;
                return false;
            }
            control->percent = firstPercent + int((lastPercent - firstPercent) * tag.start /
                                                  std::max<qsizetype>(1, text.size()));
        }
        if (tag.closing) {
            closeOpen(open, tag.name);
            return true;
        }
        if (*tooDeepAt < 0 && !tag.selfClosing && !isVoid(tag.name)) {
            if (const Names scope = siblingScope(tag.name); !scope.empty())
                closeOpen(open, tag.name, scope);
            open.push_back(tag.name);
            if (open.size() > std::size_t(MaxDepth))
                *tooDeepAt = tag.start;
        }
        bool hasAlt = false;
        for (const Attribute& a : tag.attributes) {
            if (same(a.name, u"id") || same(a.name, u"name"))
                anchors.insert(attributeValue(text, a));
            else if (same(a.name, u"alt"))
                hasAlt = true;
            else if (isLinkAttribute(a.name))
                links.append({a.valueStart, a.valueLength, attributeValue(text, a)});
        }
        if (same(tag.name, u"img") && !hasAlt)
            findings.append({tag.start, int(tag.end - tag.start), Kind::Warning,
                             QStringLiteral("<img> ohne Attribut \"alt\" (Textalternative)")});
        return true;
    });
    if (stopped)
        return findings;
    if (*tooDeepAt >= 0)
        findings.append({*tooDeepAt, 1, Kind::Error,
                         QStringLiteral("Tags mehr als %1 Ebenen tief verschachtelt: das Markup "
                                        "wird nicht geprüft")
                             .arg(MaxDepth)});
    LinkChecker checker(page, anchors, findings);
    for (const Link& link : links) {
        if (control && control->stop)
            break;
        checker.check(link);
    }
    checkCharset(page, findings);
    return findings;
}

} // namespace PageCheck
