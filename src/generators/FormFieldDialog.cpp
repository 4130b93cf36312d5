// Input fields and text areas: their markup, the dialog TEingabe that asks for both, and the two
// commands.
#include "generators/FormFieldDialog.h"

#include "core/ShellState.h"
#include "editor/DialogEnvironment.h"
#include "editor/DocumentWindow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

QString inputFieldMarkup(const FieldValues& values)
{
    QString markup = QStringLiteral("<input name=\"") + values.name + QLatin1Char('"');
    if (!values.kind.isEmpty())
        markup += QStringLiteral(" type=") + values.kind;
    return markup + QStringLiteral(" size=") + values.value2 + QStringLiteral(" maxlength=") +
           values.value3 + QLatin1Char('>');
}

QString textAreaMarkup(const FieldValues& values)
{
    QString markup = QStringLiteral("<textarea name=\"") + values.name +
                     QStringLiteral("\" rows=") + values.value2 + QStringLiteral(" cols=") +
                     values.value3;
    if (!values.kind.isEmpty())
        markup += QStringLiteral(" wrap=") + values.kind;
    return markup + QStringLiteral("></textarea>");
}

const FieldRole& singleLineFieldRole()
{
    static const FieldRole role{"&Einzeiliges Eingabefeld",
                                "&Size:",
                                "Geben Sie hier die Anzeigelänge, die angezeigt werden soll, an.",
                                "&Max:",
                                "Geben Sie hier die interne Feldlänge an.",
                                "&Typ:",
                                "Wählen Sie hier den Typ des Eingabefeldes aus.",
                                {QStringLiteral("password"), QStringLiteral("int"),
                                 QStringLiteral("float"), QStringLiteral("date"),
                                 QStringLiteral("url")}};
    return role;
}

const FieldRole& textAreaRole()
{
    static const FieldRole role{
        "&Mehrzeiliges Eingabefeld",
        "&Rows:",
        "Geben Sie hier die Anzahl der Zeilen, @die angezeigt werden sollen, an.",
        "&Cols:",
        "Geben Sie hier die Anzahl der Spalten, @die angezeigt werden sollen, an.",
        "&Wrap:",
        "Wählen Sie hier die Art des Zeilenumbruches aus.",
        {QStringLiteral("virtual"), QStringLiteral("physical"), QStringLiteral("off")}};
    return role;
}

TEingabe::TEingabe(const DialogEnv& env, const FieldRole& role, bool& acceptFlag)
    : TFlagDialog(env, QString::fromUtf8(role.caption), 305, acceptFlag)
{
    setObjectName(QStringLiteral("Eingabe"));
    auto makeEdit = [this](const char* name) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setMaxLength(255);
        return edit;
    };
    Edit1 = makeEdit("Edit1");
    Edit1->setMinimumWidth(220);
    Edit2 = makeEdit("Edit2");
    Edit3 = makeEdit("Edit3");
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->addItems(role.kinds);
    ComboBox1->setCurrentIndex(-1);

    Label1 = labelFor("&Name des Eingabefeldes:", Edit1);
    Label2 = labelFor(role.label2, Edit2);
    Label3 = labelFor(role.label3, Edit3);
    Label4 = labelFor(role.label4, ComboBox1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2->setObjectName(QStringLiteral("Label2"));
    Label3->setObjectName(QStringLiteral("Label3"));
    Label4->setObjectName(QStringLiteral("Label4"));
    setHint(Edit1, "Geben Sie hier den Namen des Eingabefeldes an.");
    setHint(Edit2, role.hint2);
    setHint(Edit3, role.hint3);
    setHint(ComboBox1, role.hint4);

    auto* grid = new QGridLayout;
    grid->addWidget(Label1, 0, 0, 1, 2);
    grid->addWidget(Edit1, 1, 0, 1, 2);
    grid->addWidget(Label2, 2, 0);
    grid->addWidget(Edit2, 2, 1);
    grid->addWidget(Label3, 3, 0);
    grid->addWidget(Edit3, 3, 1);
    grid->addWidget(Label4, 4, 0);
    grid->addWidget(ComboBox1, 4, 1);
    finishLayout(grid);
    Edit1->setFocus();
}

void TEingabe::accept()
{
    m_values = {Edit1->text(), Edit2->text(), Edit3->text(), ComboBox1->currentText()};
    TFlagDialog::accept();
}

namespace
{

void fieldCommand(TMDIChild& child, const FieldRole& role, QString (*markup)(const FieldValues&))
{
    bool& accepted = shellStateOf(child).acceptFlag;
    TEingabe dialog(dialogEnv(child), role, accepted);
    dialog.exec();
    if (accepted)
        child.Insert(markup(dialog.values()));
}

} // namespace

void Eingabefelder1Click(TMDIChild& child)
{
    fieldCommand(child, singleLineFieldRole(), &inputFieldMarkup);
}

void MehrzeiligesEingabefeld1Click(TMDIChild& child)
{
    fieldCommand(child, textAreaRole(), &textAreaMarkup);
}

namespace
{

const DocumentCommand commands[] = {
    {"Eingabefelder1Click", &Eingabefelder1Click},
    {"MehrzeiligesEingabefeld1Click", &MehrzeiligesEingabefeld1Click},
};

} // namespace

std::span<const DocumentCommand> deingabeCommands()
{
    return commands;
}
