// TToolBearb: the small dialog that enters or edits one external tool of the settings.
#include "app/ToolEditor.h"

#include "app/ProgramChoice.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

ToolEntry& toolEditorValues()
{
    static ToolEntry values;
    return values;
}

TToolBearb::TToolBearb(const DialogEnv& env) : TDialog(env, QStringLiteral("Hinzufügen"), HelpTopic)
{
    setObjectName(QStringLiteral("ToolBearb"));
    // The buttons keep the names they have in this dialog: browse comes first.
    okButton()->setObjectName(QStringLiteral("BitBtn2"));
    cancelButton()->setObjectName(QStringLiteral("BitBtn3"));
    helpButton()->setObjectName(QStringLiteral("BitBtn4"));
    disconnect(okButton(), &QPushButton::clicked, this, &QDialog::accept);
    connect(okButton(), &QPushButton::clicked, this, &TToolBearb::BitBtn2Click);

    auto field = [this](const char* name, const char* hint) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 44);
        setHint(edit, hint);
        return edit;
    };
    Edit1 = field("Edit1", "Geben Sie hier den Titel des verwendetes Prorgrammes ein"
                           "@Ein & vor einem Buchstaben erzugt einen durch die Tatatur"
                           "@anwählbaren Menüeintrag"
                           "@Ein - erzeugt einen Menüteiler");
    Edit2 = field("Edit2", "Geben Sie hier den Programmnamen ein");
    Edit3 = field("Edit3", "Geben Sie hier das Arbeitsverzeichnis ein");
    Edit4 = field("Edit4", "Geben Sie hier gegebenfalls Startparameter für das Programm ein");
    BitBtn1 = new QPushButton(QStringLiteral("&Durchsuchen"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setAutoDefault(false);
    setHint(BitBtn1, "Öffnet den Dialog zum suchen eines Programmes");
    connect(BitBtn1, &QPushButton::clicked, this, &TToolBearb::BitBtn1Click);

    auto* program = new QHBoxLayout;
    program->addWidget(Edit2);
    program->addWidget(BitBtn1);
    auto* body = new QFormLayout;
    body->addRow(labelFor("&Titel:", Edit1), Edit1);
    body->addRow(labelFor("&Programm:", Edit2), program);
    body->addRow(labelFor("A&rbeitsverzeichnis:", Edit3), Edit3);
    body->addRow(labelFor("Para&meter:", Edit4), Edit4);
    finishLayout(body);

    const ToolEntry& values = toolEditorValues();
    Edit1->setText(enteredText(values.name));
    Edit2->setText(enteredText(values.program));
    Edit3->setText(enteredText(values.workingDir));
    Edit4->setText(enteredText(values.parameters));
    Edit1->setFocus();
}

void TToolBearb::BitBtn1Click()
{
    QString start = Edit3->text();
    if (!start.isEmpty() && !Edit2->text().isEmpty())
        start += QLatin1Char('/') + Edit2->text();
    const QString chosen = ProgramChoice::chooseProgram(this, ProgramChoice::ToolFilter, start);
    if (chosen.isEmpty())
        return;
    // A tool starts as working directory + its program's file name, so both halves are needed.
    const ProgramChoice::ProgramParts parts = ProgramChoice::splitProgramPath(chosen);
    Edit2->setText(parts.name);
    Edit3->setText(parts.directory);
}

void TToolBearb::BitBtn2Click()
{
    if (Edit1->text().isEmpty()) {
        // An item without a caption could not be seen in the Tools menu.
        QMessageBox::information(this, QStringLiteral("Hinweis"),
                                 QStringLiteral("Bitte geben Sie einen Titel ein."));
        Edit1->setFocus();
        return;
    }
    // A field left empty over a missing value keeps it missing, as it was stored.
    ToolEntry& values = toolEditorValues();
    auto entered = [](const QLineEdit* field, const QString& before) {
        return field->text().isEmpty() && isMissingText(before) ? before : field->text();
    };
    values = {Edit1->text(), entered(Edit2, values.program), entered(Edit3, values.workingDir),
              entered(Edit4, values.parameters)};
    accept();
}
