// THintStatusBar: a status bar of named text panels whose tooltips follow the hint switch.
#include "widgets/HintStatusBar.h"

#include <QLabel>
#include <QMouseEvent>
#include <algorithm>

namespace
{

// The hint panel keeps room for a few words in the narrowest window.
constexpr int NarrowestHint = 120;

// A label of a fixed size asks the status bar for no new layout when its text changes, which
// the caret's position panel does on every key.
void keepSize(QLabel* label, int width)
{
    label->setFixedSize(std::max(width, label->sizeHint().width()), label->sizeHint().height());
}

} // namespace

THintStatusBar::THintStatusBar(QWidget* parent) : QStatusBar(parent)
{
    setSizeGripEnabled(true);
}

void THintStatusBar::addPanel(const PanelSpec& spec)
{
    auto* label = new QLabel(spec.text, this);
    label->setObjectName(QString::fromLatin1(spec.name));
    label->setAlignment(spec.alignment);
    label->setTextFormat(Qt::PlainText);
    // The widths are minimums, except for the long hint panel, which stretches with the window
    // and is the first to give way in a narrow one: the short panels beside it keep their texts.
    const bool stretches = spec.width >= 300;
    label->setMinimumWidth(stretches ? NarrowestHint : spec.width);
    if (spec.bevel)
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QFont font = label->font();
    font.setBold(spec.bold);
    label->setFont(font);
    if (spec.color.isValid()) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, spec.color);
        label->setPalette(palette);
    }
    label->setToolTip(spec.hint);
    // It takes what the others leave: a long hint or path in it must not squeeze them either.
    if (stretches)
        label->setSizePolicy(QSizePolicy::Ignored, label->sizePolicy().verticalPolicy());
    else
        keepSize(label, spec.width);
    addWidget(label, stretches ? 1 : 0);
    m_panels.append(label);
    m_hints.append(spec.hint);
    label->installEventFilter(this);
}

bool THintStatusBar::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* label = qobject_cast<QLabel*>(watched);
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (label && mouse->button() == Qt::LeftButton && label->rect().contains(mouse->pos()))
            emit panelClicked(label->objectName(), label->mapToGlobal(QPoint(0, 0)));
    }
    return QStatusBar::eventFilter(watched, event);
}

QLabel* THintStatusBar::panel(const QString& name) const
{
    for (QLabel* label : m_panels)
        if (label->objectName() == name)
            return label;
    return nullptr;
}

QString THintStatusBar::panelText(const QString& name) const
{
    const QLabel* label = panel(name);
    return label ? label->text() : QString();
}

void THintStatusBar::setPanelText(const QString& name, const QString& text)
{
    QLabel* label = panel(name);
    if (!label || label->text() == text)
        return;
    label->setText(text);
    // A short panel grows for a longer text, and never shrinks back.
    if (label->minimumWidth() == label->maximumWidth() &&
        label->sizeHint().width() > label->maximumWidth())
        keepSize(label, label->maximumWidth());
}

void THintStatusBar::setHintsEnabled(bool enabled)
{
    for (int i = 0; i < m_panels.size(); ++i)
        m_panels.at(i)->setToolTip(enabled ? m_hints.at(i) : QString());
}
