// TDialogHints: the hints of a dialog's controls, as tooltips and in the frame's hint panel.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class QWidget;
class THintStatusBar;

// A hint is "tooltip|status text" ("@" breaks a line); without "|" both show the whole text.
// Tooltips appear only while the hint switch is on; while it is on, the status text stands in
// the panel HintStatusPanel3 as long as the mouse is over the control.
class TDialogHints : public QObject
{
    Q_OBJECT
public:
    using Switch = std::function<bool()>;

    TDialogHints(QObject* owner, Switch hintsOn, THintStatusBar* statusBar);

    void set(QWidget* control, const QString& hint);
    // Shows or removes the tooltips as the switch stands now.
    void apply();
    bool shown() const { return m_shown; }

    static QString toolTipPart(const QString& hint);
    static QString statusPart(const QString& hint);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry {
        QPointer<QWidget> control;
        QString toolTip, status;
    };

    Switch m_hintsOn;
    QPointer<THintStatusBar> m_statusBar;
    QList<Entry> m_entries;
    bool m_shown = false;
};
