// Fuzz target of the HTML colours: after any edits (typed, deleted, replaced, pasted over the
// whole text, undone), with colours shown and states looked up in between, every line carries
// the colours and states that colouring the final text from scratch gives it.
#include "ColouringInput.h"
#include "FuzzSupport.h"

#include "editor/HtmlHighlighter.h"

#include <QApplication>
#include <QPlainTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <cstdint>
#include <memory>

using namespace ColouringInput;
using H = HtmlHighlighter;

namespace
{

// Everything colouring the whole text gives: high enough for any input.
constexpr int kAll = 1 << 28;

class Reader
{
public:
    Reader(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    bool atEnd() const { return m_pos >= m_size; }
    int byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    QString text(int length)
    {
        QString result;
        for (int i = 0; i < length && m_pos < m_size; ++i)
            result += QChar(kAlphabet[m_data[m_pos++] % kAlphabetSize]);
        return result;
    }
    QString chunk() { return text(byte()); }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

// A text document as the text control keeps one: plain-text layout, no undo limit.
std::unique_ptr<QTextDocument> plainDocument()
{
    auto doc = std::make_unique<QTextDocument>();
    doc->setDocumentLayout(new QPlainTextDocumentLayout(doc.get()));
    return doc;
}

// The document's text with '\n' between lines (line breaks inside a line stay).
QString linesOf(const QTextDocument& doc)
{
    QString text;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (block != doc.begin())
            text += u'\n';
        text += block.text();
    }
    return text;
}

QString describeSpans(const QList<H::Span>& spans)
{
    QString out;
    for (const H::Span& span : spans)
        out += QStringLiteral("[%1+%2:%3]").arg(span.start).arg(span.length).arg(int(span.colour));
    return out;
}

[[noreturn]] void broken(const char* rule, const QTextDocument& doc, int line, const QString& more)
{
    fuzzFailure(
        rule,
        QStringLiteral("text '%1'\nline %2: %3").arg(visible(linesOf(doc))).arg(line).arg(more));
}

QTextCursor span(QTextDocument* doc, int position, int length)
{
    const int end = doc->characterCount() - 1;
    QTextCursor cursor(doc);
    cursor.setPosition(end == 0 ? 0 : position % (end + 1));
    cursor.setPosition(std::min(end, cursor.position() + length), QTextCursor::KeepAnchor);
    return cursor;
}

// Every shown line, from first on, carries the spans a scan of the text from its top gives.
void checkShown(H& highlighter, QTextDocument& doc, const QTextBlock& first, int lines)
{
    H::State state = H::InText;
    for (QTextBlock block = doc.begin(); block.isValid() && lines > 0; block = block.next()) {
        H::State end = H::InText;
        const QList<H::Span> expected = H::spans(block.text(), state, &end);
        state = end;
        if (block.blockNumber() < first.blockNumber())
            continue;
        --lines;
        const BlockColours* colours = BlockColours::of(block);
        if (!colours || colours->spans != expected)
            broken("a shown line does not carry the colours of its text", doc, block.blockNumber(),
                   QStringLiteral("shown %1, expected %2")
                       .arg(colours ? describeSpans(colours->spans) : QStringLiteral("none"),
                            describeSpans(expected)));
    }
    (void)highlighter;
}

void edit(QTextDocument* doc, Reader& in, Operation op)
{
    switch (op) {
    case Insert: {
        QTextCursor cursor = span(doc, in.byte(), 0);
        cursor.insertText(in.chunk());
        break;
    }
    case Remove:
        span(doc, in.byte(), in.byte()).removeSelectedText();
        break;
    case Replace: {
        QTextCursor cursor = span(doc, in.byte(), in.byte());
        cursor.insertText(in.chunk());
        break;
    }
    case ReplaceAll: {
        QTextCursor cursor(doc);
        cursor.select(QTextCursor::Document);
        cursor.insertText(in.chunk());
        break;
    }
    default:
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    startQtApplication<QApplication>();
    Reader in(data, size);
    const std::unique_ptr<QTextDocument> doc = plainDocument();
    doc->setPlainText(in.chunk());
    H highlighter(doc.get());
    highlighter.colourShown(doc->begin(), kAll, 1);
    for (int steps = 0; !in.atEnd() && steps < 64; ++steps) {
        const auto op = Operation(in.byte() % OperationCount);
        switch (op) {
        case Insert:
        case Remove:
        case Replace:
        case ReplaceAll:
            edit(doc.get(), in, op);
            break;
        case Show: {
            const QTextBlock first = doc->findBlockByNumber(in.byte() % doc->blockCount());
            const int lines = 1 + in.byte() % 16;
            highlighter.colourShown(first, lines, 1);
            if (highlighter.isEnabled())
                checkShown(highlighter, *doc, first, lines);
            break;
        }
        case Rest:
            QCoreApplication::processEvents();
            break;
        case StateAt: {
            const QTextBlock block = doc->findBlockByNumber(in.byte() % doc->blockCount());
            const int column = in.byte() % block.length();
            const std::optional<H::State> state = highlighter.stateAt(block, column);
            if (state && highlighter.isEnabled()) {
                H::State expected = H::InText;
                for (QTextBlock b = doc->begin(); b != block; b = b.next())
                    expected = H::endState(b.text(), expected);
                expected = H::endState(QStringView(block.text()).left(column), expected);
                if (*state != expected)
                    broken("a state looked up is not the state of the text", *doc,
                           block.blockNumber(),
                           QStringLiteral("column %1: %2, expected %3")
                               .arg(column)
                               .arg(int(*state))
                               .arg(int(expected)));
            }
            break;
        }
        case Switch:
            switch (SwitchKind(in.byte() % SwitchCount)) {
            case ColoursOff:
                highlighter.setEnabled(false);
                break;
            case ColoursOn:
                highlighter.setEnabled(true);
                break;
            case DarkBackground:
                highlighter.setBackground(Qt::black);
                break;
            case LightBackground:
                highlighter.setBackground(Qt::white);
                break;
            case ByFormats: {
                QTextBlock block = doc->findBlockByNumber(in.byte() % doc->blockCount());
                highlighter.colourByFormats(block);
                break;
            }
            case Undo:
                doc->undo();
                break;
            case Redo:
                doc->redo();
                break;
            case TwoEdits: {
                QTextCursor group(doc.get());
                group.beginEditBlock();
                edit(doc.get(), in, Operation(in.byte() % (ReplaceAll + 1)));
                edit(doc.get(), in, Operation(in.byte() % (ReplaceAll + 1)));
                group.endEditBlock();
                break;
            }
            case SwitchCount:
                break;
            }
            break;
        case OperationCount:
            break;
        }
    }

    // The whole text shown now, against a fresh document coloured from scratch.
    highlighter.setEnabled(true);
    highlighter.colourShown(doc->begin(), kAll, 1);
    const std::unique_ptr<QTextDocument> fresh = plainDocument();
    fresh->setPlainText(linesOf(*doc));
    H scratch(fresh.get());
    scratch.colourShown(fresh->begin(), kAll, 1);
    if (fresh->blockCount() != doc->blockCount())
        broken("the fresh document has other lines", *doc, fresh->blockCount(), QString());
    for (QTextBlock block = doc->begin(), other = fresh->begin(); block.isValid();
         block = block.next(), other = other.next()) {
        const BlockColours* colours = BlockColours::of(block);
        const BlockColours* expected = BlockColours::of(other);
        if (!colours || !expected || colours->spans != expected->spans)
            broken("colours after edits differ from colours from scratch", *doc,
                   block.blockNumber(),
                   QStringLiteral("edited %1, from scratch %2")
                       .arg(colours ? describeSpans(colours->spans) : QStringLiteral("none"),
                            expected ? describeSpans(expected->spans) : QStringLiteral("none")));
        const int column = block.length() - 1;
        if (highlighter.stateAt(block, column) != scratch.stateAt(other, column))
            broken("the state at a line's end differs from the state from scratch", *doc,
                   block.blockNumber(), QString());
        // A line coloured through its layout carries its spans there, in the current colours.
        if (colours->byFormats) {
            const QList<QTextLayout::FormatRange> formats = block.layout()->formats();
            bool same = formats.size() == colours->spans.size();
            for (qsizetype k = 0; same && k < formats.size(); ++k) {
                const H::Span& want = colours->spans.at(k);
                same =
                    formats.at(k).start == want.start && formats.at(k).length == want.length &&
                    formats.at(k).format.foreground().color() == highlighter.colourOf(want.colour);
            }
            if (!same)
                broken("a line coloured through its layout shows other colours", *doc,
                       block.blockNumber(), describeSpans(colours->spans));
        }
    }
    return 0;
}
