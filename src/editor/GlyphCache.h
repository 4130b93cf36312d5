// GlyphCache: keeps the shaped glyphs of the blocks on screen, and only of those.
#pragma once

#include <QTextBlock>
#include <QTextCursor>

class QTextDocument;

// A block's layout normally shapes its text anew each time it is drawn or asked for its glyphs.
// The blocks on screen keep their glyphs, and so do their colours sorted by colour; a block
// leaving the screen gives both back, so memory stays bounded by the screen.
class GlyphCache
{
public:
    explicit GlyphCache(QTextDocument* document);

    // The blocks from first to last are about to be drawn.
    void keepShown(const QTextBlock& first, const QTextBlock& last);

private:
    // Cursors follow every edit, so the blocks kept last time are found again safely.
    QTextCursor m_first;
    QTextCursor m_last;
    bool m_keeping = false;
};
