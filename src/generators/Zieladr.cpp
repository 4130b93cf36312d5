// The form frame: its markup and the dialog TDZielanwendung that asks for action and method.
#include "generators/Zieladr.h"

#include "editor/EntityKeyFilter.h"
#include "generators/DialogKit.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

QString formFrameMarkup(const FormFrame& frame, const QString& selection)
{
    return QStringLiteral("<form action=\"") + frame.action + QStringLiteral("\" method=\"") +
           frame.method + QStringLiteral("\">\r\n") + selection + QStringLiteral("\r\n</form>");
}

TDZielanwendung::TDZielanwendung(bool hintsOn, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DZielanwendung"));
    setWindowTitle(QStringLiteral("Zielanwendung eingeben"));

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
    Edit1->setMinimumWidth(300);
    setDialogHint(Edit1, QStringLiteral("Sie können hier auch eine E-Mail Adresse verwenden!"),
                  hintsOn);
    EntityKeyFilter::attach(Edit1);

    RadioButton1 = new QRadioButton(QStringLiteral("&method=post"), this);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton1->setChecked(true);
    RadioButton2 = new QRadioButton(QStringLiteral("method=&get"), this);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));

    auto* fields = new QVBoxLayout;
    fields->addWidget(Label1);
    fields->addWidget(buddyLabel(QStringLiteral("&Zieladresse:"), Edit1, "Label2"));
    fields->addWidget(Edit1);
    auto* methods = new QHBoxLayout;
    methods->addWidget(RadioButton1);
    methods->addWidget(RadioButton2);
    methods->addStretch();
    fields->addLayout(methods);
    fields->addStretch();

    auto* body = new QHBoxLayout;
    body->addWidget(Image1);
    body->addLayout(fields, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    const DialogButtons buttons = addDialogButtons(this, layout, 307);
    OKBtn = buttons.ok;
    AbbruchBtn = buttons.cancel;
    HilfeBtn = buttons.help;
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    Edit1->setFocus();
}

FormFrame TDZielanwendung::values() const
{
    return {Edit1->text(),
            RadioButton1->isChecked() ? QStringLiteral("post") : QStringLiteral("get")};
}
