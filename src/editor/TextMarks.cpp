// TextMarks: wavy underlines with a tooltip each over stretches of the text, in layers.
#include "editor/TextMarks.h"

#include <QPainter>
#include <QPainterPath>
#include <QTextBlock>
#include <QTextLayout>
#include <algorithm>

namespace
{

using Mark = TextMarks::Mark;

// The first mark of a layer sorted by start that may reach position: no mark starts further
// back than the layer's longest mark.
QList<Mark>::const_iterator firstReaching(const QList<Mark>& marks, int longest, int position)
{
    return std::lower_bound(marks.cbegin(), marks.cend(), position - longest,
                            [](const Mark& mark, int pos) { return mark.start < pos; });
}

int longestOf(const QList<Mark>& marks)
{
    int longest = 0;
    for (const Mark& mark : marks)
        longest = std::max(longest, mark.length);
    return longest;
}

// How far a wave's line goes above and below its middle; the pen adds half its width.
constexpr qreal waveAbove = 1.5;
constexpr qreal waveBelow = 1;

void drawWave(QPainter* painter, qreal left, qreal right, qreal y, const QColor& colour)
{
    // A mark between two characters still shows as a short wave.
    if (right - left < 6) {
        const qreal middle = (left + right) / 2;
        left = middle - 3;
        right = middle + 3;
    }
    constexpr qreal step = 2;
    QPainterPath wave(QPointF(left, y));
    bool up = true;
    for (qreal x = left + step; x < right + step; x += step, up = !up)
        wave.lineTo(std::min(x, right), up ? y - waveAbove : y + waveBelow);
    painter->setPen(QPen(colour, 1));
    painter->setBrush(Qt::NoBrush);
    painter->drawPath(wave);
}

} // namespace

TextMarks::TextMarks(QObject* parent) : QObject(parent) {}

void TextMarks::setMarks(Layer layer, QList<Mark> marks)
{
    std::stable_sort(marks.begin(), marks.end(),
                     [](const Mark& a, const Mark& b) { return a.start < b.start; });
    QList<Mark>& own = m_layers[index(layer)];
    if (own == marks)
        return;
    own = std::move(marks);
    m_longest[index(layer)] = longestOf(own);
    emit changed();
}

QList<TextMarks::Mark> TextMarks::marksIn(int from, int to) const
{
    return marksIn(from, to, std::nullopt);
}

QList<TextMarks::Mark> TextMarks::marksIn(int from, int to, std::optional<Layer> only) const
{
    QList<Mark> found;
    for (std::size_t i = 0; i < m_layers.size(); ++i) {
        if (only && i != index(*only))
            continue;
        const QList<Mark>& layer = m_layers[i];
        for (auto it = firstReaching(layer, m_longest[i], from);
             it != layer.cend() && it->start <= to; ++it)
            if (it->end() >= from)
                found.append(*it);
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const Mark& a, const Mark& b) { return a.start < b.start; });
    return found;
}

QString TextMarks::tipAt(int position) const
{
    QStringList tips;
    for (const Mark& mark : marksIn(position, position))
        if (!mark.tip.isEmpty() && !tips.contains(mark.tip))
            tips.append(mark.tip);
    return tips.join(QLatin1Char('\n'));
}

bool TextMarks::replaceMarks(Layer layer, int from, int to, QList<Mark> marks)
{
    std::stable_sort(marks.begin(), marks.end(),
                     [](const Mark& a, const Mark& b) { return a.start < b.start; });
    QList<Mark>& own = m_layers[index(layer)];
    const auto byStart = [](const Mark& mark, int pos) { return mark.start < pos; };
    const qsizetype first =
        std::lower_bound(own.cbegin(), own.cend(), from, byStart) - own.cbegin();
    const qsizetype last =
        std::lower_bound(own.cbegin() + first, own.cend(), to, byStart) - own.cbegin();
    if (std::equal(own.cbegin() + first, own.cbegin() + last, marks.cbegin(), marks.cend()))
        return false;
    // Equal counts overwrite in place; otherwise the tail moves once.
    const qsizetype common = std::min(last - first, marks.size());
    std::copy(marks.cbegin(), marks.cbegin() + common, own.begin() + first);
    if (last - first > common)
        own.remove(first + common, last - first - common);
    else if (marks.size() > common)
        own.insert(first + common, marks.size() - common, Mark());
    std::move(marks.begin() + common, marks.end(), own.begin() + first + common);
    int& longest = m_longest[index(layer)];
    for (const Mark& mark : std::as_const(marks))
        longest = std::max(longest, mark.length);
    emit changed();
    return true;
}

const TextMarks::Mark* TextMarks::markAt(Layer layer, int position) const
{
    const QList<Mark>& own = m_layers[index(layer)];
    for (auto it = firstReaching(own, m_longest[index(layer)], position);
         it != own.cend() && it->start <= position; ++it)
        if (it->end() >= position)
            return &*it;
    return nullptr;
}

const TextMarks::Mark* TextMarks::firstFrom(Layer layer, int position) const
{
    const QList<Mark>& own = m_layers[index(layer)];
    const auto it = std::lower_bound(own.cbegin(), own.cend(), position,
                                     [](const Mark& mark, int pos) { return mark.start < pos; });
    return it == own.cend() ? nullptr : &*it;
}

void TextMarks::textChanged(int from, int removed, int added)
{
    // Marks in front of the change stay as they are; only those that may reach it are looked
    // at, and the rest moves in place, so an edit costs little even with many marks behind it.
    // The control draws the changed text again anyway: no signal asks for more.
    for (std::size_t i = 0; i < m_layers.size(); ++i) {
        QList<Mark>& layer = m_layers[i];
        if (layer.isEmpty())
            continue;
        const qsizetype firstIndex = firstReaching(layer, m_longest[i], from) - layer.cbegin();
        qsizetype kept = firstIndex;
        const qsizetype count = layer.size();
        Mark* marks = layer.data();
        for (qsizetype k = firstIndex; k < count; ++k) {
            Mark& mark = marks[k];
            if (mark.start >= from + removed && mark.end() > from) {
                mark.start += added - removed;
            } else if (mark.end() > from) {
                continue;
            }
            if (kept != k)
                marks[kept] = std::move(mark);
            ++kept;
        }
        if (kept < count)
            layer.resize(kept);
        // The longest length stays an upper bound when marks go.
    }
}

bool TextMarks::reaches(const QTextBlock& block) const
{
    // Most blocks on screen carry no mark: they cost a look into each layer, nothing more.
    const int blockStart = block.position();
    const int blockEnd = blockStart + block.length() - 1;
    for (std::size_t i = 0; i < m_layers.size(); ++i)
        for (auto it = firstReaching(m_layers[i], m_longest[i], blockStart);
             it != m_layers[i].cend() && it->start <= blockEnd; ++it)
            if (it->end() >= blockStart)
                return true;
    return false;
}

bool TextMarks::isEmpty() const
{
    return std::all_of(m_layers.cbegin(), m_layers.cend(),
                       [](const QList<Mark>& layer) { return layer.isEmpty(); });
}

void TextMarks::paintBlock(QPainter* painter, const QTextBlock& block, QPointF topLeft,
                           const QRectF& area) const
{
    const QTextLayout* layout = block.layout();
    if (!block.isVisible() || layout->lineCount() == 0 || !reaches(block))
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    {
        const int blockStart = block.position();
        const int blockEnd = blockStart + block.length() - 1;
        for (const Mark& mark : marksIn(blockStart, blockEnd)) {
            const int from = std::max(mark.start, blockStart) - blockStart;
            const int to = std::min(mark.end(), blockEnd) - blockStart;
            for (int i = 0; i < layout->lineCount(); ++i) {
                const QTextLine line = layout->lineAt(i);
                const int lineEnd = line.textStart() + line.textLength();
                const bool lastLine = i + 1 == layout->lineCount();
                if (to < line.textStart() || from > lineEnd || (from == lineEnd && !lastLine))
                    continue;
                // A wave is stroked in full even where the clip hides it: typing in a long
                // block draws again only a row or two of it.
                const qreal y = topLeft.y() + line.y() + line.ascent() + 2;
                if (y + waveBelow + 1 < area.top() || y - waveAbove - 1 > area.bottom())
                    continue;
                const qreal left = line.cursorToX(std::max(from, line.textStart()));
                const qreal right = line.cursorToX(std::min(to, lineEnd));
                drawWave(painter, topLeft.x() + left, topLeft.x() + right, y, mark.colour);
            }
        }
    }
    painter->restore();
}
