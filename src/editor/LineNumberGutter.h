// LineNumberGutter: the strip left of the text that numbers its hard lines.
#pragma once

#include <QWidget>

class TExtRich;

// Numbers hard lines, not screen lines: a wrapped line or the pieces of a very long line carry
// one number, on their first screen line.
class LineNumberGutter : public QWidget
{
    Q_OBJECT
public:
    explicit LineNumberGutter(TExtRich* edit);

    // Room for the digits of the highest line number, and at least of four.
    int widthFor(int lines) const;
    // The line number shown at the height y of the gutter; 0 where none is.
    int numberAt(int y) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TExtRich* m_edit;
};
