// GlyphCache: keeps the shaped glyphs of the blocks on screen, and only of those.
#include "editor/GlyphCache.h"

#include "editor/ColouredGlyphs.h"

#include <QTextDocument>
#include <QTextLayout>

namespace
{

// After a large paste the blocks between the two ends are new and keep nothing; walking them
// all would only cost time.
constexpr int MostBlocksWalked = 4096;

void release(const QTextBlock& block)
{
    QTextLayout* layout = block.layout();
    if (!layout)
        return;
    layout->setCacheEnabled(false);
    ColouredGlyphs::forget(block);
    // An empty layout pass is the only way to hand the glyphs back; the block is laid out
    // again when it is next needed, as it would be shaped again anyway.
    if (layout->lineCount() > 0) {
        layout->beginLayout();
        layout->endLayout();
    }
}

} // namespace

GlyphCache::GlyphCache(QTextDocument* document) : m_first(document), m_last(document) {}

void GlyphCache::keepShown(const QTextBlock& first, const QTextBlock& last)
{
    if (!first.isValid() || !last.isValid())
        return;
    const int firstNumber = first.blockNumber();
    const int lastNumber = last.blockNumber();
    if (m_keeping) {
        const QTextBlock oldLast = m_last.block();
        int walked = 0;
        for (QTextBlock block = m_first.block(); block.isValid() && walked < MostBlocksWalked;
             block = block.next(), ++walked) {
            const int number = block.blockNumber();
            if (number < firstNumber || number > lastNumber)
                release(block);
            if (block == oldLast)
                break;
        }
    }
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        block.layout()->setCacheEnabled(true);
        if (block == last)
            break;
    }
    m_first.setPosition(first.position());
    m_last.setPosition(last.position());
    m_keeping = true;
}
