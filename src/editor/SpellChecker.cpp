// SpellChecker: red wavy lines under the misspelt words of one text control, its spelling
// suggestions and the walk from one misspelt word to the next.
#include "editor/SpellChecker.h"

#include "editor/Conversions.h"
#include "editor/HtmlHighlighter.h"
#include "editor/LineEnds.h"
#include "editor/SpellDictionary.h"
#include "editor/TextControl.h"
#include "editor/TextMarks.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>
#include <limits>

using SpellWords::State;

const QString SpellChecker::Tip = QStringLiteral("Rechtschreibung: unbekanntes Wort");

namespace
{

constexpr auto Layer = TextMarks::Layer::Spelling;
// Text read in one piece by the idle checker and by the state search.
constexpr qsizetype RunChars = 32 * 1024;
// What the drawing may spend on finding states before it leaves them to idle time.
constexpr qsizetype PaintBudget = 1024 * 1024;
// Idle time stops marking the far parts of a page that is mostly unknown words.
constexpr int MaxIdleMarks = 100000;
// Idle time looks a few screens above and below the shown part only (what is about to be
// shown): a big page costs next to nothing at rest, and blocks farther away are checked when
// they are shown or when "Nächster Fehler" passes them.
constexpr int IdleReach = 300;
// A change can decide whether a meta tag this far in front of it has its content read.
constexpr int MetaReach = 1100;

QColor markColour()
{
    return QColor(220, 0, 0);
}

} // namespace

// The text of some blocks as the reader reads it: a line break between lines, nothing at a
// cut, and behind the blocks some text to look ahead into.
struct SpellChecker::Run {
    QString text;
    std::vector<qsizetype> offsets; // where each block starts in text
    std::vector<int> positions;     // and in the document
    qsizetype end = 0;              // behind the last block asked for
    int blocks = 0;

    Run(const QTextBlock& first, int count)
    {
        for (QTextBlock block = first; block.isValid(); block = block.next()) {
            const bool asked = blocks < count;
            const qsizetype room = SpellWords::Lookahead - (text.size() - end);
            if (!asked && room <= 0)
                break;
            offsets.push_back(text.size());
            positions.push_back(block.position());
            const QString own = block.text();
            // Text to look ahead into is needed only so far.
            if (!asked && own.size() >= room) {
                text += QStringView(own).left(room);
                break;
            }
            text += own;
            const QTextBlock next = block.next();
            if (next.isValid() && !LineEnds::isCut(next))
                text += u'\n';
            if (asked) {
                ++blocks;
                end = text.size();
            }
        }
    }
    int position(qsizetype offset) const
    {
        const auto it = std::upper_bound(offsets.begin(), offsets.end(), offset);
        const std::size_t k = std::size_t(it - offsets.begin()) - 1;
        return positions[k] + int(offset - offsets[k]);
    }
    int endPosition(qsizetype offset) const { return offset > 0 ? position(offset - 1) + 1 : 0; }
};

SpellChecker::SpellChecker(TExtRich* memo) : QObject(memo), m_memo(memo), m_doc(memo->document())
{
    m_blockCount = m_doc->blockCount();
    m_states.assign(std::size_t(m_blockCount), 0);
    m_checked.assign(std::size_t(m_blockCount), 0);
    m_rest.setSingleShot(true);
    m_rest.setInterval(400);
    connect(&m_rest, &QTimer::timeout, this, [this] { m_slice.start(); });
    m_slice.setInterval(0);
    connect(&m_slice, &QTimer::timeout, this, &SpellChecker::idleSlice);
    connect(m_doc, &QTextDocument::contentsChange, this, &SpellChecker::contentsChanged);
    // Far from where idle time last looked, the neighbourhood of the new place is looked at.
    connect(memo->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { restAgain(); });
    connect(memo, &QPlainTextEdit::cursorPositionChanged, this, [this] {
        if (m_typedAt < 0 || m_memo->textCursor().position() == m_typedAt)
            return;
        m_typedAt = -1;
        if (m_spareBlock >= 0 && m_spareBlock < m_blockCount) {
            m_checked[std::size_t(m_spareBlock)] = 0;
            m_memo->viewport()->update(blocksArea(m_spareBlock, m_spareBlock));
        }
        m_spareBlock = -1;
    });
    memo->installEventFilter(this);
    connect(&SpellDictionary::instance(), &SpellDictionary::wordsChanged, this,
            &SpellChecker::wordsChanged);
    // The control names the blocks it draws, which it has found already.
    connect(memo, &TExtRich::aboutToDrawBlocks, this, &SpellChecker::checkShown);
}

bool SpellChecker::active()
{
    return m_enabled && SpellDictionary::instance().isAvailable();
}

void SpellChecker::setEnabled(bool on)
{
    if (on == m_enabled)
        return;
    m_enabled = on;
    std::fill(m_checked.begin(), m_checked.end(), 0);
    if (!on) {
        m_rest.stop();
        m_slice.stop();
        m_memo->marks()->setMarks(Layer, {});
    } else {
        restAgain();
    }
    m_memo->viewport()->update();
}

void SpellChecker::restAgain()
{
    m_slice.stop();
    if (m_enabled)
        m_rest.start();
}

int SpellChecker::checkedBlocks() const
{
    return int(std::count(m_checked.begin(), m_checked.end(), 1));
}

void SpellChecker::forgetAll()
{
    m_blockCount = m_doc->blockCount();
    m_states.assign(std::size_t(m_blockCount), 0);
    m_checked.assign(std::size_t(m_blockCount), 0);
    m_known = 1;
    m_validTo = 0;
    m_idleFrom = 0;
    m_memo->marks()->setMarks(Layer, {});
}

void SpellChecker::wordsChanged()
{
    std::fill(m_checked.begin(), m_checked.end(), 0);
    if (!active())
        m_memo->marks()->setMarks(Layer, {});
    m_memo->viewport()->update();
    restAgain();
}

void SpellChecker::contentsChanged(int from, int removed, int added)
{
    if (m_memo->highlighter()->reportsOwnChange())
        return;
    // A text being loaded is not being typed: the neighbourhood of the screen is checked right
    // after it is shown, not after a rest, so the program is done with a new page at once.
    if (m_memo->isLoading() && m_enabled) {
        m_rest.stop();
        m_slice.start();
    } else {
        restAgain();
    }
    m_typedAt = m_keyTyping && removed + added > 0 ? from + added : -1;
    m_keyTyping = false;
    const int count = m_doc->blockCount();
    const int delta = count - m_blockCount;
    if (from == 0 && added >= m_doc->characterCount() - 1) {
        forgetAll();
        return;
    }
    m_blockCount = count;
    QTextBlock block = m_doc->findBlock(from);
    const int first = block.blockNumber();
    const int lastNew =
        m_doc->findBlock(std::min(from + added, m_doc->characterCount() - 1)).blockNumber();
    const int lastOld = lastNew - delta;
    // The blocks (first, lastOld] became (first, lastNew].
    const auto at = std::size_t(first + 1);
    if (delta > 0) {
        m_states.insert(m_states.begin() + at, std::size_t(delta), 0);
        m_checked.insert(m_checked.begin() + at, std::size_t(delta), 0);
    } else if (delta < 0) {
        m_states.erase(m_states.begin() + at, m_states.begin() + at + std::size_t(-delta));
        m_checked.erase(m_checked.begin() + at, m_checked.begin() + at + std::size_t(-delta));
    }
    std::fill(m_checked.begin() + first, m_checked.begin() + lastNew + 1, 0);
    // A word can run from the block in front over a cut into the changed one, and so can the
    // step that gives the block its start state; reading the block in front looks only so far
    // into this one. Behind that, the change leaves both alone, so that a key typed in a long
    // piece does not read the piece in front again.
    const bool nearStart =
        first >= m_known ||
        from - block.position() <
            State::unpacked(m_states[std::size_t(first)]).skip + SpellWords::Peek;
    // A meta tag shortly in front decides by what follows whether its content is read.
    int earliest = first;
    for (QTextBlock previous = block.previous();
         previous.isValid() && first - previous.blockNumber() <= 64 &&
         from - previous.position() < MetaReach;
         previous = previous.previous()) {
        const bool meta = previous.text().contains(QLatin1String("<meta"), Qt::CaseInsensitive);
        if (meta || (nearStart && previous.blockNumber() == first - 1)) {
            earliest = previous.blockNumber();
            std::fill(m_checked.begin() + earliest, m_checked.begin() + first, 0);
        }
    }
    const int unknownFrom = earliest < first || nearStart ? std::max(1, earliest) : first + 1;
    if (unknownFrom >= m_known) {
        m_validTo = std::min(m_validTo, unknownFrom);
        if (m_validTo <= m_known)
            m_validTo = 0;
        return;
    }
    m_validTo = m_known > lastOld ? m_known + delta : 0;
    m_validFrom = lastNew + 1;
    m_known = unknownFrom;
    m_idleFrom = std::min(m_idleFrom, earliest);
}

int SpellChecker::blockEnd(int block) const
{
    const QTextBlock next = m_doc->findBlockByNumber(block + 1);
    return next.isValid() ? next.position() : m_doc->characterCount();
}

void SpellChecker::storeState(int block, const State& state)
{
    if (block >= m_blockCount || block != m_known)
        return;
    const std::uint32_t packed = state.packed();
    const auto at = std::size_t(block);
    if (block >= m_validFrom && block < m_validTo && m_states[at] == packed) {
        // From here on the states are those found before the change.
        m_known = m_validTo;
        m_validTo = 0;
        return;
    }
    if (m_states[at] != packed) {
        m_states[at] = packed;
        m_checked[at] = 0;
    }
    m_known = block + 1;
    if (m_validTo <= m_known)
        m_validTo = 0;
}

bool SpellChecker::readBlocks(int first, int last, bool words)
{
    const Run run(m_doc->findBlockByNumber(first), last - first + 1);
    std::vector<qsizetype> stops(run.offsets.begin() + 1, run.offsets.begin() + run.blocks);
    std::vector<State> stopStates(stops.size());
    State state = State::unpacked(m_states[std::size_t(first)]);
    // The words of a step that runs over a block's start belong to the reading of the blocks in
    // front: the marks this reading owns begin behind its first step and end with its last.
    const int from = state.skip > 0 ? run.position(state.skip) : run.positions.front();
    const QList<SpellWords::Word> found =
        SpellWords::read(run.text, run.end, state, stops, stopStates.data(), words);
    for (std::size_t k = 0; k < stopStates.size(); ++k)
        storeState(first + 1 + int(k), stopStates[k]);
    storeState(last + 1, state);
    if (!words)
        return false;
    const int to =
        std::max(blockEnd(last), state.skip > 0 ? run.position(run.end + state.skip) : 0);
    SpellDictionary& dictionary = SpellDictionary::instance();
    QList<TextMarks::Mark> marks;
    const QColor colour = markColour();
    const int typed =
        m_typedAt >= 0 && m_memo->textCursor().position() == m_typedAt ? m_typedAt : -1;
    for (const SpellWords::Word& word : found) {
        const int start = run.position(word.start);
        const int end = run.endPosition(word.start + word.length);
        if (typed >= start && typed <= end) {
            m_spareBlock = m_doc->findBlock(start).blockNumber();
            continue;
        }
        if (dictionary.isCorrect(word.text))
            continue;
        marks.append({start, end - start, colour, Tip});
    }
    std::fill(m_checked.begin() + first, m_checked.begin() + last + 1, 1);
    return m_memo->marks()->replaceMarks(Layer, from, to, marks);
}

bool SpellChecker::ensureStates(int target, qsizetype budget)
{
    target = std::min(target, m_blockCount - 1);
    qsizetype spent = 0;
    while (m_known <= target) {
        if (spent >= budget)
            return false;
        // Reading from the last known block on finds the states behind it, a run at a time.
        const int first = m_known - 1;
        // Behind a change the states found before it may hold again from the first block
        // behind it on: the run stops there, so that one look tells.
        const int until =
            m_validTo > m_known && m_validFrom > first ? std::min(target, m_validFrom) : target;
        QTextBlock block = m_doc->findBlockByNumber(first);
        int last = first;
        qsizetype chars = block.length();
        for (block = block.next(); block.isValid() && last < until - 1 && chars < RunChars;
             block = block.next()) {
            chars += block.length();
            ++last;
        }
        readBlocks(first, last, false);
        spent += chars;
    }
    return true;
}

bool SpellChecker::checkRange(int first, int last, int* changedFirst, int* changedLast)
{
    bool changed = false;
    int b = first;
    while (b <= last) {
        while (b <= last && m_checked[std::size_t(b)])
            ++b;
        if (b > last)
            break;
        int end = b;
        qsizetype chars = 0;
        for (QTextBlock block = m_doc->findBlockByNumber(b);
             end <= last && !m_checked[std::size_t(end)] && chars < RunChars;
             block = block.next()) {
            chars += block.length();
            ++end;
        }
        if (readBlocks(b, end - 1, true)) {
            if (changedFirst && !changed)
                *changedFirst = b;
            if (changedLast)
                *changedLast = end - 1;
            changed = true;
        }
        b = end;
    }
    return changed;
}

// The area a stretch of blocks takes on screen.
QRect SpellChecker::blocksArea(int first, int last) const
{
    QTextCursor top(m_doc->findBlockByNumber(first));
    QTextCursor bottom(m_doc->findBlockByNumber(last));
    bottom.movePosition(QTextCursor::EndOfBlock);
    const QRect shown = m_memo->viewport()->rect();
    const int from = m_memo->cursorRect(top).top();
    const int to = m_memo->cursorRect(bottom).bottom();
    return QRect(shown.left(), from, shown.width(), std::max(1, to - from + 1)).intersected(shown);
}

void SpellChecker::checkShown(const QTextBlock& top, const QTextBlock& bottom, const QRegion& drawn)
{
    if (!active() || m_doc->isEmpty())
        return;
    if (!top.isValid() || !bottom.isValid())
        return;
    const int first = top.blockNumber();
    const int last = std::max(first, bottom.blockNumber());
    // The marks of the shown blocks count once the states in front of them are known.
    if (!ensureStates(last, PaintBudget)) {
        restAgain();
        return;
    }
    int changedFirst = 0;
    int changedLast = 0;
    {
        // The blocks are drawn right after this; only marks outside the drawn area ask for more.
        const QSignalBlocker quiet(m_memo->marks());
        if (!checkRange(first, last, &changedFirst, &changedLast))
            return;
    }
    const QRect area = blocksArea(changedFirst, changedLast);
    if (!area.isEmpty() && !drawn.contains(area))
        m_memo->viewport()->update(area);
}

bool SpellChecker::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && watched == m_memo) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        m_keyTyping = !key->text().isEmpty() || key->key() == Qt::Key_Backspace ||
                      key->key() == Qt::Key_Delete;
    }
    return QObject::eventFilter(watched, event);
}

bool SpellChecker::idleStep()
{
    if (!active())
        return false;
    const int shown = m_memo->cursorForPosition(QPoint(0, 0)).block().blockNumber();
    const int low = std::max(0, shown - IdleReach);
    const int high = std::min(m_blockCount - 1, shown + IdleReach);
    // First the states down to the end of the reach, which tells which marks still hold.
    if (m_known <= high) {
        ensureStates(high, RunChars);
        return true;
    }
    if (m_memo->marks()->marks(Layer).size() > MaxIdleMarks || high < low ||
        m_checked.size() <= std::size_t(high))
        return false;
    const auto begin = m_checked.begin() + low;
    const auto end = m_checked.begin() + high + 1;
    const auto from = m_checked.begin() + std::clamp(m_idleFrom, low, high + 1);
    auto next = std::find(from, end, 0);
    if (next == end) {
        next = std::find(begin, from, 0);
        if (next == from)
            return false;
    }
    const int first = int(next - m_checked.begin());
    int last = first;
    QTextBlock block = m_doc->findBlockByNumber(first);
    qsizetype chars = block.length();
    for (block = block.next(); block.isValid() && last + 1 <= high &&
                               !m_checked[std::size_t(last + 1)] && chars < RunChars;
         block = block.next()) {
        chars += block.length();
        ++last;
    }
    int changedFirst = 0;
    int changedLast = 0;
    bool changed = false;
    {
        const QSignalBlocker quiet(m_memo->marks());
        changed = checkRange(first, last, &changedFirst, &changedLast);
    }
    m_idleFrom = last + 1;
    // Only marks on screen need drawing.
    if (changed) {
        const QRect area = blocksArea(changedFirst, changedLast);
        if (!area.isEmpty())
            m_memo->viewport()->update(area);
    }
    return true;
}

void SpellChecker::idleSlice()
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 8) {
        if (!idleStep()) {
            m_slice.stop();
            return;
        }
    }
}

void SpellChecker::checkAll()
{
    if (!active())
        return;
    ensureStates(m_blockCount - 1, std::numeric_limits<qsizetype>::max());
    checkRange(0, m_blockCount - 1);
}

std::optional<SpellChecker::Misspelt> SpellChecker::misspeltAt(int position)
{
    if (!active())
        return std::nullopt;
    const int block = m_doc->findBlock(position).blockNumber();
    ensureStates(block, std::numeric_limits<qsizetype>::max());
    checkRange(block, block);
    const TextMarks::Mark* mark = m_memo->marks()->markAt(Layer, position);
    if (!mark)
        return std::nullopt;
    Misspelt found;
    found.start = mark->start;
    found.length = mark->length;
    QTextCursor cursor(m_doc);
    cursor.setPosition(mark->start);
    cursor.setPosition(mark->end(), QTextCursor::KeepAnchor);
    // A cut inside the word reads as a paragraph separator.
    found.source = cursor.selectedText().remove(QChar::ParagraphSeparator);
    const QList<SpellWords::Word> words = SpellWords::read(found.source);
    if (words.isEmpty())
        return std::nullopt;
    found.word = words.front();
    return found;
}

void SpellChecker::replace(const Misspelt& word, const QString& suggestion)
{
    QTextCursor cursor(m_doc);
    cursor.setPosition(word.start);
    cursor.setPosition(word.start + word.length, QTextCursor::KeepAnchor);
    if (cursor.selectedText().remove(QChar::ParagraphSeparator) != word.source)
        return;
    const bool entities = word.word.entities || (m_autoUmlauts && m_autoUmlauts());
    m_memo->setTextCursor(cursor);
    m_memo->replaceSelection(entities ? Conversions::umlautsToEntities(suggestion) : suggestion);
}

void SpellChecker::prepareMenu(QMenu* menu, const QPoint& viewportPos)
{
    for (QAction* action : std::as_const(m_menuActions)) {
        menu->removeAction(action);
        action->deleteLater();
    }
    m_menuActions.clear();
    const std::optional<Misspelt> found =
        misspeltAt(m_memo->cursorForPosition(viewportPos).position());
    if (!found)
        return;
    QAction* before = menu->actions().value(0);
    auto add = [&](const QString& text, const char* name, const QString& tip) {
        auto* action = new QAction(text, menu);
        action->setObjectName(QString::fromLatin1(name));
        action->setStatusTip(tip);
        menu->insertAction(before, action);
        m_menuActions.append(action);
        return action;
    };
    SpellDictionary& dictionary = SpellDictionary::instance();
    const QString word = found->word.text;
    const QStringList suggestions = dictionary.suggestions(word);
    for (const QString& suggestion : suggestions) {
        QAction* action =
            add(QString(suggestion).replace(u'&', QLatin1String("&&")), "SpellSuggestion",
                QStringLiteral("Ersetzt das Wort durch diesen Vorschlag"));
        connect(action, &QAction::triggered, this,
                [this, found, suggestion] { replace(*found, suggestion); });
    }
    if (suggestions.isEmpty())
        add(QStringLiteral("(keine Vorschläge)"), "SpellNoSuggestion", QString())
            ->setEnabled(false);
    connect(add(QStringLiteral("&Ignorieren"), "SpellIgnore",
                QStringLiteral("Lässt das Wort bis zum Programmende gelten")),
            &QAction::triggered, this, [word] { SpellDictionary::instance().ignore(word); });
    connect(add(QStringLiteral("Zum &Wörterbuch hinzufügen"), "SpellAddWord",
                QStringLiteral("Nimmt das Wort in die persönliche Wortliste auf")),
            &QAction::triggered, this,
            [word] { SpellDictionary::instance().addToPersonalList(word); });
    add(QString(), "SpellSeparator", QString())->setSeparator(true);
}

bool SpellChecker::selectNextError()
{
    if (!active())
        return false;
    const int from = m_memo->textCursor().selectionEnd();
    const int startBlock = m_doc->findBlock(from).blockNumber();
    constexpr int Stride = 256;
    for (int pass = 0; pass < 2; ++pass) {
        const int firstBlock = pass == 0 ? startBlock : 0;
        const int lastBlock = pass == 0 ? m_blockCount - 1 : startBlock;
        const int after = pass == 0 ? from : 0;
        for (int b = firstBlock; b <= lastBlock; b += Stride) {
            const int last = std::min(lastBlock, b + Stride - 1);
            ensureStates(last, std::numeric_limits<qsizetype>::max());
            checkRange(b, last);
            const TextMarks::Mark* mark = m_memo->marks()->firstFrom(Layer, after);
            if (mark && mark->start < blockEnd(last)) {
                QTextCursor cursor(m_doc);
                cursor.setPosition(mark->start);
                cursor.setPosition(mark->end(), QTextCursor::KeepAnchor);
                m_memo->setTextCursor(cursor);
                m_memo->ensureCursorVisible();
                return true;
            }
        }
    }
    return false;
}
