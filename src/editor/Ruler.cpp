// TRuler: the strip above the text with tick marks and the three paragraph-indent markers.
#include "editor/Ruler.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTextDocument>
#include <QTextOption>

namespace
{

constexpr int rulerHeight = 24;
constexpr int gutter = 6;
constexpr int lineLeft = 4;
constexpr int lineTop = 12;

// Whole points to ruler pixels and back, truncating toward zero as integer division does.
int pixelsOf(int points)
{
    return points * 4 / 3;
}

int pointsOf(int pixels)
{
    return pixels * 3 / 4;
}

// The top edge of a lowered bevel: a shadow line over a light one.
class RulerLine : public QWidget
{
public:
    explicit RulerLine(QWidget* parent) : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawLine(0, 0, width() - 1, 0);
        painter.setPen(palette().color(QPalette::Light));
        painter.drawLine(0, 1, width() - 1, 1);
    }
};

} // namespace

// A marker is a small black arrow: down for the first line, up for the other lines, an
// outlined up arrow for the right indent.
class RulerMarker : public QWidget
{
public:
    enum Shape { Down, Up, HollowUp };

    RulerMarker(TRuler* ruler, const char* name, Shape shape, QSize size, int top)
        : QWidget(ruler), m_ruler(ruler), m_shape(shape)
    {
        setObjectName(QLatin1String(name));
        setGeometry(0, top, size.width(), size.height());
        setCursor(Qt::SizeHorCursor);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal w = width();
        const qreal h = height();
        const qreal mid = w / 2;
        const qreal head = h * 0.55;
        QPolygonF arrow;
        if (m_shape == Down) {
            arrow << QPointF(mid - 1.5, 0) << QPointF(mid + 1.5, 0) << QPointF(mid + 1.5, h - head)
                  << QPointF(w - 0.5, h - head) << QPointF(mid, h) << QPointF(0.5, h - head)
                  << QPointF(mid - 1.5, h - head);
        } else {
            arrow << QPointF(mid, 0) << QPointF(w - 0.5, head) << QPointF(mid + 1.5, head)
                  << QPointF(mid + 1.5, h) << QPointF(mid - 1.5, h) << QPointF(mid - 1.5, head)
                  << QPointF(0.5, head);
        }
        if (m_shape == HollowUp) {
            painter.setPen(QPen(Qt::black, 1));
            painter.setBrush(Qt::NoBrush);
            painter.drawPolygon(arrow.translated(0, -0.5));
        } else {
            painter.setPen(Qt::NoPen);
            painter.setBrush(Qt::black);
            painter.drawPolygon(arrow);
        }
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        m_ruler->RulerItemMouseDown(this, int(event->position().x()));
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        m_ruler->RulerItemMouseMove(this, int(event->position().x()));
    }
    void mouseReleaseEvent(QMouseEvent*) override { m_ruler->markerReleased(this); }

private:
    TRuler* m_ruler;
    Shape m_shape;
};

TRuler::TRuler(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Ruler"));
    setFixedHeight(rulerHeight);
    setAutoFillBackground(true);
    QFont rulerFont(QStringLiteral("Arial"));
    rulerFont.setPixelSize(11);
    setFont(rulerFont);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);

    m_line = new RulerLine(this);
    m_line->setObjectName(QStringLiteral("RulerLine"));
    m_line->setGeometry(lineLeft, lineTop, 0, 2);
    m_first = new RulerMarker(this, "FirstInd", RulerMarker::Down, QSize(10, 9), 2);
    m_left = new RulerMarker(this, "LeftInd", RulerMarker::Up, QSize(10, 11), 12);
    m_right = new RulerMarker(this, "RightInd", RulerMarker::HollowUp, QSize(10, 9), 14);
    SetupRuler();
    placeMarkers({});
}

QWidget* TRuler::firstInd() const
{
    return m_first;
}

QWidget* TRuler::leftInd() const
{
    return m_left;
}

QWidget* TRuler::rightInd() const
{
    return m_right;
}

void TRuler::attach(TExtRich* edit)
{
    if (m_edit)
        disconnect(m_edit, nullptr, this, nullptr);
    m_edit = edit;
    if (edit) {
        connect(edit, &QPlainTextEdit::cursorPositionChanged, this, &TRuler::SelectionChange);
        connect(edit, &QPlainTextEdit::selectionChanged, this, &TRuler::SelectionChange);
        // Formats change without a selection change too: undo, or a file read into the text.
        connect(edit->document(), &QTextDocument::contentsChanged, this, &TRuler::SelectionChange);
    }
    SelectionChange();
}

void TRuler::SetupRuler()
{
    m_caption = QStringLiteral("\t|").repeated(100);
    update();
}

void TRuler::RulerResize()
{
    m_line->resize(width() - 2 * m_line->x(), m_line->height());
}

void TRuler::SelectionChange()
{
    if (m_dropping)
        return;
    placeMarkers(m_edit ? m_edit->paragraphIndents() : TExtRich::ParagraphIndents{});
}

void TRuler::placeMarkers(const TExtRich::ParagraphIndents& indents)
{
    m_first->move(pixelsOf(indents.first) - 4 + gutter, m_first->y());
    m_left->move(pixelsOf(indents.left + indents.first) - 4 + gutter, m_left->y());
    m_right->move((width() - gutter) - pixelsOf(indents.right + 6), m_right->y());
}

void TRuler::RulerItemMouseDown(QWidget* marker, int x)
{
    m_dragOffset = marker->width() / 2;
    marker->move(marker->x() + x - m_dragOffset, marker->y());
    m_dragging = true;
}

void TRuler::RulerItemMouseMove(QWidget* marker, int x)
{
    if (!m_dragging)
        return;
    marker->move(marker->x() + x - m_dragOffset, marker->y());
}

void TRuler::markerReleased(QWidget* marker)
{
    if (marker == m_first)
        FirstIndMouseUp();
    else if (marker == m_left)
        LeftIndMouseUp();
    else
        RightIndMouseUp();
}

void TRuler::FirstIndMouseUp()
{
    m_dragging = false;
    if (!m_edit)
        return;
    // One undo step for both indents: the later lines stay where the left marker stands.
    QTextCursor group(m_edit->document());
    group.beginEditBlock();
    m_dropping = true;
    m_edit->setFirstIndent(pointsOf(m_first->x() + m_dragOffset - gutter));
    m_dropping = false;
    LeftIndMouseUp();
    group.endEditBlock();
}

void TRuler::LeftIndMouseUp()
{
    m_dragging = false;
    if (m_edit) {
        const int absolute = pointsOf(m_left->x() + m_dragOffset - gutter);
        m_dropping = true;
        m_edit->setLeftIndent(absolute - m_edit->paragraphIndents().first);
        m_dropping = false;
        emit indentsDropped();
    }
    SelectionChange();
}

void TRuler::RightIndMouseUp()
{
    m_dragging = false;
    if (m_edit) {
        m_dropping = true;
        m_edit->setRightIndent(pointsOf(width() - m_right->x() + m_dragOffset - 2) - 12);
        m_dropping = false;
        emit indentsDropped();
    }
    SelectionChange();
}

void TRuler::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    QTextOption option(Qt::AlignLeft | Qt::AlignVCenter);
    option.setWrapMode(QTextOption::NoWrap);
    option.setTabStopDistance(8 * fontMetrics().averageCharWidth());
    painter.drawText(QRectF(rect()), m_caption, option);
}

void TRuler::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    RulerResize();
    SelectionChange();
}
