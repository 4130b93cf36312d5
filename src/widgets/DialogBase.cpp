// TDialog and TFlagDialog: the common frame of the program's modal dialogs.
#include "widgets/DialogBase.h"

#include "widgets/DialogHelp.h"
#include "widgets/DialogHints.h"
#include "widgets/DialogMnemonics.h"
#include "widgets/ListPick.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

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
    layout->addLayout(body);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
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
