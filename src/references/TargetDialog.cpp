// The base-target dialog TForm2 and the base-target and target commands.
#include "references/TargetDialog.h"

#include "editor/DialogEnvironment.h"
#include "editor/DocumentWindow.h"
#include "references/FrameMarkup.h"
#include "references/RememberedList.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TForm2::TForm2(const DialogEnv& env) : TDialog(env, QString(), HelpTopic)
{
    setObjectName(QStringLiteral("Form2"));
    TargetComboBox = new QComboBox(this);
    TargetComboBox->setObjectName(QStringLiteral("TargetComboBox"));
    TargetComboBox->setEditable(true);
    TargetComboBox->setInsertPolicy(QComboBox::NoInsert);
    TargetComboBox->setMinimumWidth(200);
    setHint(TargetComboBox, "Name des Frames, in dem Verweise geöffnet werden");
    RememberedList::target().loadInto(TargetComboBox);
    TargetComboBox->setEditText(QString());
    // Only typing counts as a change; a pick from the drop-down is already remembered.
    connect(TargetComboBox->lineEdit(), &QLineEdit::textEdited, this,
            [this] { m_targetChanged = true; });

    btnOk = okButton();
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnAbort = cancelButton();
    btnAbort->setObjectName(QStringLiteral("btnAbort"));
    btnHilfe = helpButton();
    btnHilfe->setObjectName(QStringLiteral("btnHilfe"));

    auto* body = new QHBoxLayout;
    body->addWidget(labelFor("&Name", TargetComboBox));
    body->addWidget(TargetComboBox, 1);
    finishLayout(body);
    TargetComboBox->setFocus();
}

QString TForm2::target() const
{
    return TargetComboBox->currentText();
}

void TForm2::accept()
{
    if (m_targetChanged)
        RememberedList::target().insert(TargetComboBox, {{QStringLiteral("T"), target()}});
    TDialog::accept();
}

namespace
{

// The target as the dialog captioned caption returns it; empty when cancelled.
QString askTarget(TMDIChild& child, const QString& caption)
{
    TForm2 dialog(dialogEnv(child));
    dialog.setWindowTitle(caption);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.target();
}

} // namespace

void Base1Click(TMDIChild& child)
{
    const QString tag = baseTargetTag(askTarget(child, QStringLiteral("Base Target")));
    if (!tag.isEmpty())
        child.Insert(tag);
}

void Target1Click(TMDIChild& child)
{
    const QString attribute = targetAttribute(askTarget(child, QStringLiteral("Target")));
    if (!attribute.isEmpty())
        child.Insert(attribute);
}

namespace
{

const DocumentCommand commands[] = {
    {"Base1Click", &Base1Click},
    {"Target1Click", &Target1Click},
};

} // namespace

std::span<const DocumentCommand> targetCommands()
{
    return commands;
}
