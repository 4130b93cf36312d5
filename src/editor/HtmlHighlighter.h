// HtmlHighlighter: colours the HTML of a plain-text document, only the blocks about to be shown.
#pragma once

#include <QColor>
#include <QList>
#include <QObject>
#include <QStringView>
#include <QTextBlock>
#include <QTextLayout>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>

class QTextDocument;

// Every block remembers in its user state the scanner state at its start and at its end and the
// start state it was coloured with. A change forgets the changed blocks only; the states behind
// them count again as soon as a block's newly found start state is the one it had before. States
// are found only as far down as something is shown, so opening a huge page or a comment opened
// at its top costs no more than the screen it is shown on; a jump far down finds the states on
// its way once (a scan runs at several hundred megabytes a second). Colours are only ever given
// to what is shown. They stay beside their
// block as spans and are painted glyph by glyph; only a block whose glyphs cannot be painted so
// carries them in its layout's formats.
class HtmlHighlighter : public QObject
{
    Q_OBJECT
public:
    enum class ColourClass : std::uint8_t {
        Text,
        TagName,
        AttributeName,
        AttributeValue,
        Comment,
        Reference,
        Doctype,
    };
    // Where the scanner stands at a block's end.
    enum State : std::uint8_t {
        InText,
        InComment,
        InTagName,
        InTag,
        InAttributeName,
        AfterEquals,
        InDoubleQuoted,
        InSingleQuoted,
        InBareValue,
        InDeclaration,
    };
    struct Span {
        int start;
        int length;
        ColourClass colour;
        bool operator==(const Span&) const = default;
    };

    explicit HtmlHighlighter(QTextDocument* document, QObject* parent = nullptr);

    // The spans of one block's text that are not plain text, and the state at its end.
    static QList<Span> spans(QStringView text, State start, State* end = nullptr);
    static State endState(QStringView text, State start);

    bool isEnabled() const { return m_enabled; }
    // Whether the document's change report now is only new colours of blocks, no new text.
    bool reportsOwnChange() const { return m_flushing; }
    // Switching off takes every colour away again.
    void setEnabled(bool on);
    // The colours follow the lightness of the background the text stands on.
    void setBackground(const QColor& background);
    QColor colourOf(ColourClass colour) const;

    // Colours first and the blocks behind it up to about height pixels of text, and returns
    // the first and last block whose colours changed (invalid blocks when none did). The layout
    // reports no repaint for them: the caller is about to draw them.
    std::pair<QTextBlock, QTextBlock> colourShown(const QTextBlock& first, int height,
                                                  qreal lineHeight);
    // The class a coloured block shows at column (plain text when it carries no colour there).
    static ColourClass classAt(const QTextBlock& block, int column);
    // Whether the block carries colours now.
    static bool isColoured(const QTextBlock& block);
    // Gives a block its colours through its layout's formats, for a block whose glyphs cannot be
    // coloured one by one; it is laid out again.
    void colourByFormats(QTextBlock& block);
    // The scanner state in front of column of block. While colours are shown the states in front
    // of the block are found first (the block is about to be shown anyway); without colours
    // only states still known from earlier count.
    std::optional<State> stateAt(const QTextBlock& block, int column);
    // How many leading blocks have known states (for the benchmark and the tests).
    int knownBlocks() const { return m_known; }

private:
    void contentsChanged(int from, int removed, int added);
    void ensureStates(int lastBlock);
    bool colourBlock(QTextBlock& block);
    void setFormats(QTextBlock& block, const QList<Span>& spans);
    bool recolourInPlace(QTextBlock& block);
    // The state a block starts in, when the block in front of it knows its end state.
    static std::optional<State> startStateOf(const QTextBlock& block);
    void forgetColours();
    void reportOwnChange(bool quiet = false);

    QTextDocument* m_doc;
    bool m_enabled = true;
    bool m_dark = false;
    // Blocks [0, m_known) hold true states; blocks [m_known, m_validTo) hold states that are
    // true again once the start state of one of them is found unchanged.
    int m_known = 0;
    int m_validTo = 0;
    int m_blockCount = 1;
    bool m_flushing = false;
};

struct PaintedGlyphs;

// What one block is coloured with: its spans and, while it is shown, the glyphs drawn in them.
class BlockColours : public QTextBlockUserData
{
public:
    QList<HtmlHighlighter::Span> spans;
    // A block whose glyphs do not follow its characters one by one (a ligature, a combining
    // accent, right-to-left text) carries its colours in its layout's formats instead.
    bool byFormats = false;
    std::shared_ptr<PaintedGlyphs> glyphs;

    static BlockColours* of(const QTextBlock& block)
    {
        return static_cast<BlockColours*>(block.userData());
    }
};
