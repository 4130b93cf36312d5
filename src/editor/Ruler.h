// TRuler: the strip above the text with tick marks and the three paragraph-indent markers.
#pragma once

#include "editor/TextControl.h"

#include <QPointer>
#include <QWidget>

class RulerMarker;

// Shows the indents of the paragraph at the caret of the attached text control; dragging a
// marker and letting it go sets that indent for every selected paragraph. Positions are pixels
// at 4/3 pixel per point, counted from the ruler's left edge, with the text's 6-pixel gutter.
class TRuler : public QWidget
{
    Q_OBJECT
public:
    explicit TRuler(QWidget* parent = nullptr);

    // Follows the control's selection from now on; marker drops change its paragraphs.
    void attach(TExtRich* edit);
    TExtRich* edit() const { return m_edit; }

    // Tab stops of the ruler's font turn the tabs of the caption into evenly spaced ticks.
    QString caption() const { return m_caption; }
    QWidget* firstInd() const;
    QWidget* leftInd() const;
    QWidget* rightInd() const;
    QWidget* rulerLine() const { return m_line; }
    bool isDragging() const { return m_dragging; }
    int dragOffset() const { return m_dragOffset; }

    void SetupRuler();
    // The line keeps the same margin at both ends.
    void RulerResize();
    // Places the markers for the paragraph at the attached control's selection.
    void SelectionChange();
    void placeMarkers(const TExtRich::ParagraphIndents& indents);

signals:
    // A marker drop has changed the selected paragraphs.
    void indentsDropped();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class RulerMarker;
    // x is the mouse position within the marker.
    void RulerItemMouseDown(QWidget* marker, int x);
    void RulerItemMouseMove(QWidget* marker, int x);
    void FirstIndMouseUp();
    void LeftIndMouseUp();
    void RightIndMouseUp();
    void markerReleased(QWidget* marker);

    QPointer<TExtRich> m_edit;
    QString m_caption;
    RulerMarker* m_first = nullptr;
    RulerMarker* m_left = nullptr;
    RulerMarker* m_right = nullptr;
    QWidget* m_line = nullptr;
    int m_dragOffset = 0;
    bool m_dragging = false;
    // While a drop writes its indents the markers keep the places it reads.
    bool m_dropping = false;
};
