// TFSonderZeichen: the floating palette of 101 special characters that insert their references.
#pragma once

#include <QList>
#include <QString>
#include <QWidget>
#include <functional>

class QTabWidget;
class QToolButton;

class TFSonderZeichen : public QWidget
{
    Q_OBJECT
public:
    struct Cell {
        int page, row, column; // all counted from 1
        QChar character;
        QString reference; // "&#173;", "&AElig;", ...
    };

    // The reference of the button clicked last, in any palette; the document's S1 inserts it.
    static inline QString PendingEntity;

    // Every button sets PendingEntity and then calls sonderzeichenKlick, which inserts it into
    // the document active at that moment. The palette deletes itself when closed.
    explicit TFSonderZeichen(std::function<void()> sonderzeichenKlick, QWidget* parent = nullptr);
    // A new palette, shown without blocking anything; each call opens one more.
    static TFSonderZeichen* open(std::function<void()> sonderzeichenKlick, QWidget* parent);

    // All buttons in order: page by page, row by row, left to right; SpeedButtonN is cells()[N-1].
    static const QList<Cell>& cells();
    QTabWidget* notebook() const { return m_notebook; }
    QToolButton* button(int page, int row, int column) const;
    // The handler of SpeedButtonN.
    void SpeedButtonClick(int number);

protected:
    // Escape closes the palette like its close button.
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    std::function<void()> m_klick;
    QTabWidget* m_notebook = nullptr;
    QList<QToolButton*> m_buttons; // in cells() order
};
