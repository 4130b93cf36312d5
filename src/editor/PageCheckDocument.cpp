// PageChecker: a document's page check on command and after typing, with marks in the text.
#include "editor/PageCheckDocument.h"

#include "core/SettingsStore.h"
#include "editor/HtmlHighlighter.h"
#include "editor/LineEnds.h"
#include "editor/PageCheckRun.h"
#include "editor/TextControl.h"
#include "editor/TextMarks.h"

#include <QFileInfo>
#include <QTextBlock>
#include <QTextDocument>

namespace
{

const QString section = QStringLiteral("Optionen");
const QString switchName = QStringLiteral("CheckWhileTyping");

// The first block of a hard line (0-based): blocks after cuts continue the line before them.
QTextBlock firstBlockOfLine(const TExtRich* text, int line)
{
    const QTextDocument* doc = text->document();
    QTextBlock block = doc->findBlockByNumber(line);
    if (block.isValid() && text->lineOfBlock(block) == line && !LineEnds::isCut(block))
        return block;
    // With cuts a line's block stands further on: the first block whose line is not before it.
    int low = std::min(line, doc->blockCount() - 1);
    int high = doc->blockCount() - 1;
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (text->lineOfBlock(doc->findBlockByNumber(middle)) < line)
            low = middle + 1;
        else
            high = middle;
    }
    return doc->findBlockByNumber(low);
}

} // namespace

PageCheckSwitch& PageCheckSwitch::instance()
{
    static PageCheckSwitch theSwitch;
    return theSwitch;
}

bool PageCheckSwitch::whileTyping()
{
    return SettingsStore().readBoolOption(section, switchName, false, false);
}

void PageCheckSwitch::setWhileTyping(bool on)
{
    SettingsStore().writeBool(section, switchName, on);
    emit changed();
}

PageChecker::PageChecker(TExtRich* text, std::function<QString()> filePath,
                         std::function<TextFileFormat::Encoding()> encoding, QObject* parent)
    : QObject(parent), m_text(text), m_filePath(std::move(filePath)),
      m_encoding(std::move(encoding)), m_run(new PageCheckRun(this))
{
    m_rest.setSingleShot(true);
    m_rest.setInterval(RestMs);
    connect(&m_rest, &QTimer::timeout, this, &PageChecker::run);
    connect(m_run, &PageCheckRun::finished, this, &PageChecker::arrived);
    connect(m_run, &PageCheckRun::progress, this, &PageChecker::progress);
    connect(text->document(), &QTextDocument::contentsChange, this, &PageChecker::textChanged);
}

void PageChecker::checkNow()
{
    m_commanded = true;
    m_rest.stop();
    run();
}

void PageChecker::stop()
{
    const bool was = m_run->isRunning() || m_commanded;
    m_commanded = false;
    m_rest.stop();
    m_run->stop();
    if (was)
        emit stopped();
}

bool PageChecker::isRunning() const
{
    return m_run->isRunning();
}

void PageChecker::setWhileTyping(bool on)
{
    if (on == m_whileTyping)
        return;
    m_whileTyping = on;
    if (on) {
        m_rest.start();
    } else {
        if (!m_commanded)
            m_run->stop();
        m_text->marks()->setMarks(TextMarks::Layer::PageCheck, {});
    }
}

void PageChecker::run()
{
    PageCheck::Page page;
    page.text = m_text->text();
    const QString path = m_filePath();
    if (!path.isEmpty())
        page.folder = QFileInfo(path).absolutePath();
    page.encoding = m_encoding();
    m_run->start(std::move(page), m_generation);
    emit started(m_commanded);
}

void PageChecker::textChanged(int, int, int)
{
    if (m_text->highlighter() && m_text->highlighter()->reportsOwnChange())
        return; // new colours, no new text
    ++m_generation;
    // A check of the text before this edit no longer fits it: the next one starts when typing
    // rests, so a keystroke never waits for a check.
    if (m_commanded || m_whileTyping) {
        m_run->stop();
        m_rest.start();
    }
}

void PageChecker::arrived(const QList<PageCheck::Finding>& findings, quint64 generation)
{
    if (generation != m_generation)
        return;
    const bool commanded = m_commanded;
    m_commanded = false;
    m_findings = findings;
    m_hasChecked = true;
    if (m_whileTyping)
        mark();
    emit checked(findings, commanded);
}

void PageChecker::mark()
{
    QList<TextMarks::Mark> marks;
    marks.reserve(m_findings.size());
    for (const PageCheck::Finding& f : std::as_const(m_findings)) {
        const auto [start, end] = documentSpan(m_text, f);
        marks.append({start, end - start, colour(f.kind),
                      PageCheck::kindText(f.kind) + QStringLiteral(": ") + f.message});
    }
    m_text->marks()->setMarks(TextMarks::Layer::PageCheck, std::move(marks));
    if (QWidget* gutter = m_text->findChild<QWidget*>(QStringLiteral("LineNumbers")))
        gutter->update();
}

std::pair<int, int> PageChecker::documentSpan(const TExtRich* text, const PageCheck::Finding& f)
{
    QTextBlock block = firstBlockOfLine(text, f.line - 1);
    if (!block.isValid())
        return {0, 0};
    int column = f.column;
    // A long line's pieces: the column runs on through the blocks behind cuts.
    while (column > block.length() - 1 && block.next().isValid() && LineEnds::isCut(block.next())) {
        column -= block.length() - 1;
        block = block.next();
    }
    const int start = block.position() + std::min(column, block.length() - 1);
    const int end = std::min(start + f.length, block.position() + block.length() - 1);
    return {start, end};
}

void PageChecker::showPlace(TExtRich* text, const PageCheck::Finding& finding)
{
    const int line = std::clamp(finding.line - 1, 0, text->lineCount() - 1);
    const int lineLength = int(text->line(line).size());
    const int column = std::clamp(finding.column, 0, lineLength);
    text->setSelStart(text->firstPositionOfLine(line) + column);
    text->setSelLength(std::min(finding.length, lineLength - column));
}

QColor PageChecker::colour(PageCheck::Kind kind)
{
    switch (kind) {
    case PageCheck::Kind::Error:
        return QColor(0xd0, 0x10, 0x10);
    case PageCheck::Kind::Warning:
        return QColor(0xe0, 0x8a, 0x00);
    case PageCheck::Kind::Note:
        return QColor(0x20, 0x60, 0xd0);
    }
    return Qt::gray;
}
