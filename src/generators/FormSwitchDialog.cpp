// Radio buttons and check boxes: their markup, the dialog TEingabe1 that asks for name and value,
// and the two commands.
#include "generators/FormSwitchDialog.h"

#include "core/ShellState.h"
#include "editor/DialogEnvironment.h"
#include "editor/DocumentWindow.h"
#include "editor/EntityKeyFilter.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

QString switchMarkup(SwitchKind kind, const SwitchValues& values)
{
    const QString open = kind == SwitchKind::Radio ? QStringLiteral("<input type=radio name=\"")
                                                   : QStringLiteral("<input type=checkbox name=\"");
    return open + values.name + QStringLiteral("\" value=\"") + values.value +
           QStringLiteral("\">");
}

TEingabe1::TEingabe1(const DialogEnv& env, const QString& caption, bool& acceptFlag,
                     QString& switchName)
    : TFlagDialog(env, caption, 304, acceptFlag), m_switchName(switchName)
{
    setObjectName(QStringLiteral("Eingabe1"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(255);
    Edit1->setMinimumWidth(240);
    EntityKeyFilter::attach(Edit1);
    setHint(Edit1, "Geben Sie hier den Bezeichnernamen des Buttons an.");
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setMaxLength(255);
    setHint(Edit2, "Geben Sie hier den  Bezeichnerwert für den Button an.@Wichtig ! Verwenden "
                   "Sie bei Valuewerten keine Umlaute!|Geben Sie hier den  Bezeichnerwert für "
                   "den Button an.");
    Label1 = labelFor("&Name des Schalters:", Edit1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = labelFor("&Value:", Edit2);
    Label2->setObjectName(QStringLiteral("Label2"));

    auto* body = new QVBoxLayout;
    body->addWidget(Label1);
    body->addWidget(Edit1);
    body->addWidget(Label2);
    body->addWidget(Edit2);
    finishLayout(body);
    Edit1->setFocus();
}

void TEingabe1::showEvent(QShowEvent* event)
{
    if (!m_switchName.isEmpty()) {
        Edit1->setText(m_switchName);
        Edit1->selectAll();
    }
    TFlagDialog::showEvent(event);
}

void TEingabe1::accept()
{
    m_values = {Edit1->text(), Edit2->text()};
    m_switchName = m_values.name;
    TFlagDialog::accept();
}

namespace
{

void switchCommand(TMDIChild& child, SwitchKind kind)
{
    ShellState& state = shellStateOf(child);
    const QString caption =
        kind == SwitchKind::Radio ? QStringLiteral("Radiobutton") : QStringLiteral("Checkbutton");
    TEingabe1 dialog(dialogEnv(child), caption, state.acceptFlag, state.switchName);
    dialog.exec();
    if (state.acceptFlag)
        child.Insert(switchMarkup(kind, dialog.values()));
}

} // namespace

void N25Click(TMDIChild& child)
{
    switchCommand(child, SwitchKind::Radio);
}

void Checkbutton1Click(TMDIChild& child)
{
    switchCommand(child, SwitchKind::Checkbox);
}

namespace
{

const DocumentCommand commands[] = {
    {"N25Click", &N25Click},
    {"Checkbutton1Click", &Checkbutton1Click},
};

} // namespace

std::span<const DocumentCommand> deingab1Commands()
{
    return commands;
}
