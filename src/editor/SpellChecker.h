// SpellChecker: red wavy lines under the misspelt words of one text control, its spelling
// suggestions and the walk from one misspelt word to the next.
#pragma once

#include "editor/SpellWords.h"

#include <QList>
#include <QObject>
#include <QRect>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class QAction;
class QMenu;
class QRegion;
class QTextBlock;
class QTextDocument;
class TExtRich;

// The word the caret stands in while the user types it is underlined once the caret leaves it.
// Like the colours, words are checked only where they are about to be shown: the blocks on
// screen just before they are drawn. Once the text has rested a moment, the rest is checked in
// short slices, so a jump finds its marks ready. Every block keeps the reader's state at its
// start; a change forgets the changed blocks only, and the states behind count again as soon as
// one of them comes out as before.
class SpellChecker : public QObject
{
    Q_OBJECT
public:
    explicit SpellChecker(TExtRich* memo);

    bool isEnabled() const { return m_enabled; }
    // Off takes every mark away.
    void setEnabled(bool on);
    // Asked when a suggestion is written: whether umlauts go in as entities ("Auto Umlaute").
    void setEntityWriting(std::function<bool()> autoUmlauts)
    {
        m_autoUmlauts = std::move(autoUmlauts);
    }
    void setRestDelay(int ms) { m_rest.setInterval(ms); }

    struct Misspelt {
        int start = 0; // document positions of the word's source, entities and all
        int length = 0;
        QString source;
        SpellWords::Word word;
    };
    // The misspelt word that covers a document position (its end counts).
    std::optional<Misspelt> misspeltAt(int position);
    // Puts up to five suggestions, "&Ignorieren" and "Zum &Wörterbuch hinzufügen" for the word
    // under a point of the viewport at the top of menu; what an earlier call put there goes.
    void prepareMenu(QMenu* menu, const QPoint& viewportPos);
    // Writes suggestion over the word as one undo step, its umlauts as entities when the word
    // had entities or the entity writing is on.
    void replace(const Misspelt& word, const QString& suggestion);
    // Selects the first misspelt word behind the selection, from the top again at the end.
    // Returns false when the text has none.
    bool selectNextError();
    // Checks everything at once (tests and the benchmark).
    void checkAll();
    // Blocks whose marks are up to date (tests and the benchmark).
    int checkedBlocks() const;

    static const QString Tip;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Run;
    bool active();
    void contentsChanged(int from, int removed, int added);
    void forgetAll();
    void wordsChanged();
    // Checks the blocks about to be drawn; marks that change outside area are drawn next.
    void checkShown(const QTextBlock& top, const QTextBlock& bottom, const QRegion& area);
    // Makes the start states known up to block target; false when budget characters did not do.
    bool ensureStates(int target, qsizetype budget);
    // Reads blocks [first, last] from the known state of first; with words, marks them.
    bool readBlocks(int first, int last, bool words);
    void storeState(int block, const SpellWords::State& state);
    // Checks the blocks of [first, last] whose marks are not up to date; whether marks changed.
    bool checkRange(int first, int last, int* changedFirst = nullptr, int* changedLast = nullptr);
    QRect blocksArea(int first, int last) const;
    bool idleStep();
    void idleSlice();
    void restAgain();
    int blockEnd(int block) const;

    TExtRich* m_memo;
    QTextDocument* m_doc;
    bool m_enabled = false;
    std::function<bool()> m_autoUmlauts;
    // Per block: the reader's state at its start, and whether its marks are up to date.
    std::vector<std::uint32_t> m_states;
    std::vector<std::uint8_t> m_checked;
    // Blocks [0, m_known) hold true states; [m_known, m_validTo) hold states that are true
    // again once one of them is found unchanged.
    int m_known = 1;
    int m_validTo = 0;
    int m_validFrom = 0;
    int m_blockCount = 1;
    int m_idleFrom = 0;
    QTimer m_rest;
    QTimer m_slice;
    QList<QAction*> m_menuActions;
    // The word being typed is left alone until the caret leaves it: a key typed text that ended
    // at m_typedAt, and the block whose word was left unmarked for it.
    bool m_keyTyping = false;
    int m_typedAt = -1;
    int m_spareBlock = -1;
};
