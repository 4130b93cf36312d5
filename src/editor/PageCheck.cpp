// PageCheck: the whole check of a page, its findings at lines and columns, and their summary.
#include "editor/PageCheck.h"

#include <algorithm>

namespace PageCheck
{

LineIndex::LineIndex(QStringView text)
{
    const qsizetype n = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c != u'\r' && c != u'\n' && c != 0x2029)
            continue;
        m_starts.append(start);
        m_ends.append(i);
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    m_starts.append(start);
    m_ends.append(n);
}

int LineIndex::lineOf(qsizetype offset) const
{
    const auto it = std::upper_bound(m_starts.cbegin(), m_starts.cend(), offset);
    return int(std::max<qsizetype>(0, (it - m_starts.cbegin()) - 1));
}

qsizetype LineIndex::offsetOf(int line, int column) const
{
    line = std::clamp(line, 0, lineCount() - 1);
    return std::min(m_starts[line] + std::max(column, 0), m_ends[line]);
}

QList<Finding> check(const Page& page, Control* control)
{
    const LineIndex lines(page.text);
    qsizetype tooDeepAt = -1;
    QList<RawFinding> raw = ownFindings(page, control, 0, 20, &tooDeepAt);
    if (tooDeepAt < 0)
        raw += tidyFindings(page.text, lines, control, 20, 100);
    if (control)
        control->percent = 100;

    QList<Finding> findings;
    findings.reserve(raw.size());
    for (const RawFinding& r : raw) {
        const qsizetype offset = std::clamp<qsizetype>(r.offset, 0, page.text.size());
        const int line = lines.lineOf(offset);
        const qsizetype column = offset - lines.lineStart(line);
        // A mark never reaches past its line.
        const qsizetype room = lines.lineEnd(line) - offset;
        findings.append({line + 1, int(column), int(std::clamp<qsizetype>(r.length, 0, room)),
                         r.kind, r.message});
    }
    std::stable_sort(findings.begin(), findings.end(), [](const Finding& a, const Finding& b) {
        return a.line != b.line ? a.line < b.line : a.column < b.column;
    });
    // Tidy names some faults twice at one place (the same text from two of its passes).
    findings.erase(std::unique(findings.begin(), findings.end()), findings.end());
    return findings;
}

QString kindText(Kind kind)
{
    switch (kind) {
    case Kind::Error:
        return QStringLiteral("Fehler");
    case Kind::Warning:
        return QStringLiteral("Warnung");
    case Kind::Note:
        return QStringLiteral("Hinweis");
    }
    return QString();
}

QString summary(const QList<Finding>& findings)
{
    int counts[3] = {0, 0, 0};
    for (const Finding& f : findings)
        ++counts[int(f.kind)];
    QStringList parts;
    if (counts[0])
        parts << QStringLiteral("%1 Fehler").arg(counts[0]);
    if (counts[1])
        parts << (counts[1] == 1 ? QStringLiteral("1 Warnung")
                                 : QStringLiteral("%1 Warnungen").arg(counts[1]));
    if (counts[2])
        parts << (counts[2] == 1 ? QStringLiteral("1 Hinweis")
                                 : QStringLiteral("%1 Hinweise").arg(counts[2]));
    return parts.isEmpty() ? QStringLiteral("Keine Probleme gefunden.")
                           : parts.join(QStringLiteral(", "));
}

} // namespace PageCheck
