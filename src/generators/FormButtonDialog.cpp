// Submit and reset buttons: their markup, the dialog TDButton that asks for caption and kind,
// and the command.
#include "generators/FormButtonDialog.h"

#include "core/ShellState.h"
#include "editor/DialogEnvironment.h"
#include "editor/DocumentWindow.h"
#include "editor/EntityKeyFilter.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

QString buttonMarkup(const ButtonValues& values)
{
    return QStringLiteral("<input type=") + values.kind + QStringLiteral(" value=\"") +
           values.caption + QStringLiteral("\">");
}

TDButton::TDButton(const DialogEnv& env, bool& acceptFlag)
    : TFlagDialog(env, QStringLiteral("Ausführungsbutton"), 301, acceptFlag)
{
    setObjectName(QStringLiteral("DButton"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(255);
    Edit1->setMinimumWidth(240);
    EntityKeyFilter::attach(Edit1);
    setHint(Edit1, "Geben Sie hier die Beschriftung des Schalters ein");
    Label1 = labelFor("&Beschriftung des Schalters:", Edit1);
    Label1->setObjectName(QStringLiteral("Label1"));

    auto* kinds = new QGroupBox(QStringLiteral("Typ des Buttons:"), this);
    kinds->setObjectName(QStringLiteral("GroupBox1"));
    RadioButton1 = new QRadioButton(QStringLiteral("&submit"), kinds);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton1->setChecked(true);
    setHint(RadioButton1, "Wählt den Schalter zum senden des Formulars");
    RadioButton2 = new QRadioButton(QStringLiteral("&reset"), kinds);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    setHint(RadioButton2, "Wählt den Schalter zum  löschen des Formulars");
    auto* kindLayout = new QVBoxLayout(kinds);
    kindLayout->addWidget(RadioButton1);
    kindLayout->addWidget(RadioButton2);

    auto* body = new QVBoxLayout;
    body->addWidget(Label1);
    body->addWidget(Edit1);
    body->addWidget(kinds);
    finishLayout(body);
    Edit1->setFocus();
}

void TDButton::accept()
{
    m_values = {Edit1->text(),
                RadioButton1->isChecked() ? QStringLiteral("submit") : QStringLiteral("reset")};
    TFlagDialog::accept();
}

void Ausfhrungsbutton1Click(TMDIChild& child)
{
    bool& accepted = shellStateOf(child).acceptFlag;
    TDButton dialog(dialogEnv(child), accepted);
    dialog.exec();
    if (accepted)
        child.Insert(buttonMarkup(dialog.values()));
}

namespace
{

const DocumentCommand commands[] = {
    {"Ausfhrungsbutton1Click", &Ausfhrungsbutton1Click},
};

} // namespace

std::span<const DocumentCommand> dbuttCommands()
{
    return commands;
}
