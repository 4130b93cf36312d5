// The form frame: its markup, the dialog TDZielanwendung that asks for action and method, and
// the command that writes it.
#include "generators/FormFrameDialog.h"

#include "editor/DialogEnvironment.h"
#include "editor/DocumentWindow.h"
#include "editor/EntityKeyFilter.h"
#include "editor/TextControl.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

QString formFrameMarkup(const FormFrame& frame, const QString& selection)
{
    return QStringLiteral("<form action=\"") + frame.action + QStringLiteral("\" method=\"") +
           frame.method + QStringLiteral("\">\r\n") + selection + QStringLiteral("\r\n</form>");
}

TDZielanwendung::TDZielanwendung(const DialogEnv& env)
    : TDialog(env, QStringLiteral("Zielanwendung eingeben"), 307)
{
    setObjectName(QStringLiteral("DZielanwendung"));
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(style()->standardIcon(QStyle::SP_DriveNetIcon).pixmap(48, 48));
    Image1->setAlignment(Qt::AlignTop);

    Label1 = new QLabel(
        QStringLiteral("Geben Sie hier die Internet-Adresse an, zu der das ausgefüllte Formular "
                       "geschickt werden soll. Wenn Sie die Adresse noch nicht wissen, lassen Sie "
                       "das Feld frei!"),
        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);

    Edit1 = new QLineEdit(QStringLiteral("http:/"), this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(255);
    Edit1->setMinimumWidth(320);
    setHint(Edit1, "Sie können hier auch eine E-Mail Adresse verwenden!");
    EntityKeyFilter::attach(Edit1);

    RadioButton1 = new QRadioButton(QStringLiteral("&method=post"), this);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton1->setChecked(true);
    RadioButton2 = new QRadioButton(QStringLiteral("method=&get"), this);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));

    auto* fields = new QVBoxLayout;
    fields->addWidget(Label1);
    // The long text above cannot carry a mnemonic, so the field gets a short label of its own.
    fields->addWidget(labelFor("&Zieladresse:", Edit1));
    fields->addWidget(Edit1);
    auto* methods = new QHBoxLayout;
    methods->addWidget(RadioButton1);
    methods->addWidget(RadioButton2);
    methods->addStretch();
    fields->addLayout(methods);
    auto* body = new QHBoxLayout;
    body->addWidget(Image1);
    body->addLayout(fields, 1);
    finishLayout(body);
    Edit1->setFocus();
}

FormFrame TDZielanwendung::values() const
{
    return {Edit1->text(),
            RadioButton1->isChecked() ? QStringLiteral("post") : QStringLiteral("get")};
}

void Grundgerstformulareinfgen1Click(TMDIChild& child)
{
    const QString selection = child.TextMemo->selText();
    TDZielanwendung dialog(dialogEnv(child));
    if (dialog.exec() != QDialog::Accepted)
        return;
    child.Insert(formFrameMarkup(dialog.values(), selection));
}

namespace
{

const DocumentCommand commands[] = {
    {"Grundgerstformulareinfgen1Click", &Grundgerstformulareinfgen1Click},
};

} // namespace

std::span<const DocumentCommand> zieladrCommands()
{
    return commands;
}
