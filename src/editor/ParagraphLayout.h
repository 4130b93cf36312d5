// ParagraphLayout: the plain-text document layout that also draws paragraph indents and alignment.
#pragma once

#include <QPlainTextDocumentLayout>
#include <QPointer>
#include <QWidget>

// Lays out every block itself, the way the plain-text layout does, plus the indents and alignment
// a block format may carry. Doing all of it here also keeps the base layout from walking every
// block of the document whenever the widest line is laid out again: the width of unwrapped text
// is kept here as the widest line laid out so far.
class ParagraphLayout : public QPlainTextDocumentLayout
{
    Q_OBJECT
public:
    explicit ParagraphLayout(QTextDocument* document);

    // The view whose width the plain-text edit hands to the base layout as the text width.
    void setView(QWidget* view) { m_view = view; }

    QRectF blockBoundingRect(const QTextBlock& block) const override;
    QSizeF documentSize() const override;

protected:
    void documentChanged(int from, int removed, int added) override;

private:
    struct Geometry {
        qreal firstX = 0;
        qreal firstWidth = 0;
        qreal otherX = 0;
        qreal otherWidth = 0;
        Qt::Alignment alignment;
    };
    Geometry geometryOf(const QTextBlock& block) const;
    bool laidOutAs(const QTextBlock& block, const Geometry& geometry) const;
    void layOut(const QTextBlock& block, const Geometry& geometry);

    QPointer<QWidget> m_view;
    // The widest line laid out since the whole text was last replaced, margins included.
    qreal m_widest = 0;
    // The block count the base layout last saw; -1 before it saw one.
    int m_blockCount = -1;
};
