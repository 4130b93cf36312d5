// TDialog and TFlagDialog: the common frame of the program's modal dialogs.
#include "widgets/DialogBase.h"

#include "widgets/DialogHelp.h"
#include "widgets/DialogHints.h"
#include "widgets/DialogMnemonics.h"
#include "widgets/ListPick.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpacerItem>
#include <QVBoxLayout>
#include <algorithm>

namespace
{

// What the title bar takes besides the text: icon, buttons and the frame's edges.
constexpr int TitleBarExtra = 100;

} // namespace

QString withoutMnemonics(const QString& caption)
{
    QString plain;
    plain.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) != QLatin1Char('&'))
            plain.append(caption.at(i));
        else if (i + 1 < caption.size() && caption.at(i + 1) == QLatin1Char('&'))
            plain.append(caption.at(++i));
    }
    return plain;
}

TDialog::TDialog(const DialogEnv& env, const QString& caption, int helpTopic)
    : QDialog(env.parent), m_helpTopic(helpTopic)
{
    setWindowTitle(caption);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    m_hints = new TDialogHints(this, env.hintsOn, env.statusBar);
    m_ok = new QPushButton(QStringLiteral("&OK"), this);
    m_ok->setObjectName(QStringLiteral("BitBtn1"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(QStringLiteral("&Abbruch"), this);
    m_cancel->setObjectName(QStringLiteral("BitBtn2"));
    m_cancel->setAutoDefault(false);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    if (helpTopic > 0) {
        m_help = makeHelpButton(this, helpTopic);
        m_help->setObjectName(QStringLiteral("BitBtn3"));
        bindHelpKey(this, helpTopic);
    }
}

void TDialog::setHint(QWidget* control, const char* hint)
{
    m_hints->set(control, QString::fromUtf8(hint));
}

QLabel* TDialog::labelFor(const char* caption, QWidget* field)
{
    auto* label = new QLabel(QString::fromUtf8(caption), this);
    label->setBuddy(field);
    return label;
}

void TDialog::finishLayout(QLayout* body)
{
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    if (m_help)
        buttons->addWidget(m_help);
    auto* layout = new QVBoxLayout(this);
    m_titleRoom = new QSpacerItem(0, 0, QSizePolicy::Fixed, QSizePolicy::Fixed);
    layout->addItem(m_titleRoom);
    fitTitle();
    layout->addLayout(body);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TDialog::setVisible(bool visible)
{
    if (visible && !m_listsNarrowed) {
        m_listsNarrowed = true;
        keepListsNarrow(this);
    }
    QDialog::setVisible(visible);
}

void TDialog::showEvent(QShowEvent* event)
{
    if (!m_prepared) {
        m_prepared = true;
        keepTypedTextInLists(this);
        resolveButtonMnemonics(this);
    }
    QDialog::showEvent(event);
}

void TDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowTitleChange && !m_settingTitle) {
        // Callers pass menu captions; the title bar would show their marks as they are.
        const QString plain = withoutMnemonics(windowTitle());
        if (plain != windowTitle()) {
            m_settingTitle = true;
            setWindowTitle(plain);
            m_settingTitle = false;
        }
        fitTitle();
    }
    QDialog::changeEvent(event);
}

void TDialog::fitTitle()
{
    if (!m_titleRoom)
        return;
    QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
    titleFont.setBold(true);
    const int margins = layout()->contentsMargins().left() + layout()->contentsMargins().right();
    const int needed =
        QFontMetrics(titleFont).horizontalAdvance(windowTitle()) + TitleBarExtra - margins;
    m_titleRoom->changeSize(std::max(needed, 0), 0, QSizePolicy::Fixed, QSizePolicy::Fixed);
    layout()->invalidate();
}

TFlagDialog::TFlagDialog(const DialogEnv& env, const QString& caption, int helpTopic,
                         bool& acceptFlag)
    : TDialog(env, caption, helpTopic), m_flag(acceptFlag)
{
}

void TFlagDialog::accept()
{
    m_flag = true;
    TDialog::accept();
}

void TFlagDialog::reject()
{
    m_flag = false;
    TDialog::reject();
}
