// TDialogHints: the hints of a dialog's controls, as tooltips and in the frame's hint panel.
#include "widgets/DialogHints.h"

#include "widgets/HintStatusBar.h"

#include <QEvent>
#include <QWidget>

namespace
{

const QString HintPanel = QStringLiteral("HintStatusPanel3");

QString withLineBreaks(QString text)
{
    text.replace(QLatin1Char('@'), QLatin1Char('\n'));
    return text;
}

} // namespace

TDialogHints::TDialogHints(QObject* owner, Switch hintsOn, THintStatusBar* statusBar)
    : QObject(owner), m_hintsOn(std::move(hintsOn)), m_statusBar(statusBar)
{
    m_shown = !m_hintsOn || m_hintsOn();
}

QString TDialogHints::toolTipPart(const QString& hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return withLineBreaks(bar < 0 ? hint : hint.left(bar));
}

QString TDialogHints::statusPart(const QString& hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return withLineBreaks(bar < 0 ? hint : hint.mid(bar + 1));
}

void TDialogHints::set(QWidget* control, const QString& hint)
{
    m_entries.append({control, toolTipPart(hint), statusPart(hint)});
    control->installEventFilter(this);
    control->setToolTip(m_shown ? m_entries.last().toolTip : QString());
}

void TDialogHints::apply()
{
    m_shown = !m_hintsOn || m_hintsOn();
    for (const Entry& entry : std::as_const(m_entries))
        if (entry.control)
            entry.control->setToolTip(m_shown ? entry.toolTip : QString());
}

bool TDialogHints::eventFilter(QObject* watched, QEvent* event)
{
    const bool enter = event->type() == QEvent::Enter;
    if ((enter || event->type() == QEvent::Leave) && m_shown && m_statusBar) {
        for (const Entry& entry : std::as_const(m_entries)) {
            if (entry.control == watched) {
                m_statusBar->setPanelText(HintPanel, enter ? entry.status : QString());
                break;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}
