// TextMarks: wavy underlines with a tooltip each over stretches of the text, in layers that
// their owners fill independently (the page check, the spelling).
#pragma once

#include <QColor>
#include <QList>
#include <QObject>
#include <QPointF>
#include <QString>
#include <array>
#include <optional>

class QPainter;
class QTextBlock;

class TextMarks : public QObject
{
    Q_OBJECT
public:
    enum class Layer { PageCheck, Spelling };
    // start and length are positions of the text document (a block separator counts one); a
    // mark of length 0 marks the place between two characters.
    struct Mark {
        int start = 0;
        int length = 0;
        QColor colour;
        QString tip;
        int end() const { return start + length; }
        bool operator==(const Mark&) const = default;
    };

    explicit TextMarks(QObject* parent = nullptr);

    // Replaces the layer's marks; they need not come sorted.
    void setMarks(Layer layer, QList<Mark> marks);
    const QList<Mark>& marks(Layer layer) const { return m_layers[index(layer)]; }
    // The marks of every layer that touch [from, to], sorted by start.
    QList<Mark> marksIn(int from, int to) const;
    // The same of one layer only.
    QList<Mark> marksIn(int from, int to, std::optional<Layer> only) const;
    // The tips of the marks at a position, one per line.
    QString tipAt(int position) const;
    // The layer's marks that start in [from, to) give way to marks (which start there too).
    // Returns whether the layer changed.
    bool replaceMarks(Layer layer, int from, int to, QList<Mark> marks);
    // The layer's first mark that covers position (its end counts), if any.
    const Mark* markAt(Layer layer, int position) const;
    // The layer's first mark that starts at or behind position, if any.
    const Mark* firstFrom(Layer layer, int position) const;

    // The text changed: marks behind the change move with it, marks the change touched go
    // (their owner marks anew after its next look at the text). The control draws the changed
    // text again itself, so this emits no changed().
    void textChanged(int from, int removed, int added);

    bool isEmpty() const;
    // Draws the marks of a block whose top left corner stands at topLeft, on its rows that
    // reach into area.
    void paintBlock(QPainter* painter, const QTextBlock& block, QPointF topLeft,
                    const QRectF& area) const;

signals:
    void changed();

private:
    static constexpr std::size_t index(Layer layer) { return std::size_t(layer); }
    // Whether a mark of any layer touches the block.
    bool reaches(const QTextBlock& block) const;
    std::array<QList<Mark>, 2> m_layers;
    // Per layer the longest mark's length, which bounds how far back a search must look.
    std::array<int, 2> m_longest{};
};
