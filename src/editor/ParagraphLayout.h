// ParagraphLayout: the plain-text document layout that also draws paragraph indents and alignment.
#pragma once

#include <QPlainTextDocumentLayout>
#include <QPointer>
#include <QWidget>

// The plain-text layout ignores the block format. This one lays out again, after the base layout,
// exactly those blocks whose format carries indents or an alignment of their own, so plain text
// without paragraph formats costs nothing extra and an edit still lays out only its own block.
class ParagraphLayout : public QPlainTextDocumentLayout
{
    Q_OBJECT
public:
    explicit ParagraphLayout(QTextDocument* document);

    // The view whose width the plain-text edit hands to the base layout as the text width.
    void setView(QWidget* view) { m_view = view; }

    QRectF blockBoundingRect(const QTextBlock& block) const override;
    QSizeF documentSize() const override;

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
    // The widest indent laid out so far widens the scrollable area of unwrapped text.
    qreal m_widestIndent = 0;
};
