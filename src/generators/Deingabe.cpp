// Input fields and text areas: their markup and the dialog TEingabe that asks for both.
#include "generators/Deingabe.h"

#include "generators/DialogKit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

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

TEingabe::TEingabe(bool& acceptFlag, bool hintsOn, QWidget* parent)
    : QDialog(parent), m_accept(acceptFlag), m_hintsOn(hintsOn)
{
    setObjectName(QStringLiteral("Eingabe"));
    auto makeEdit = [this](const char* name) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setMaxLength(255);
        return edit;
    };
    Edit1 = makeEdit("Edit1");
    Edit2 = makeEdit("Edit2");
    Edit3 = makeEdit("Edit3");
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(false);
    Label1 = buddyLabel(QStringLiteral("&Name des Eingabefeldes:"), Edit1, "Label1");
    Label2 = buddyLabel(QString(), Edit2, "Label2");
    Label3 = buddyLabel(QString(), Edit3, "Label3");
    Label4 = buddyLabel(QString(), ComboBox1, "Label4");
    setDialogHint(Edit1, QStringLiteral("Geben Sie hier den Namen des Eingabefeldes an."), hintsOn);

    auto* grid = new QGridLayout;
    grid->addWidget(Label1, 0, 0, 1, 2);
    grid->addWidget(Edit1, 1, 0, 1, 2);
    grid->addWidget(Label2, 2, 0);
    grid->addWidget(Edit2, 2, 1);
    grid->addWidget(Label3, 3, 0);
    grid->addWidget(Edit3, 3, 1);
    grid->addWidget(Label4, 4, 0);
    grid->addWidget(ComboBox1, 4, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    const DialogButtons buttons = addDialogButtons(this, layout, 305);
    OKBtn = buttons.ok;
    AbbruchBtn = buttons.cancel;
    HilfeBtn = buttons.help;
    connect(OKBtn, &QPushButton::clicked, this, [this] {
        m_values = {Edit1->text(), Edit2->text(), Edit3->text(), ComboBox1->currentText()};
        accept();
    });
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    Edit1->setFocus();
}

void TEingabe::setRole(const FieldRole& role)
{
    setWindowTitle(QString::fromUtf8(role.caption));
    Label2->setText(QString::fromUtf8(role.label2));
    Label3->setText(QString::fromUtf8(role.label3));
    Label4->setText(QString::fromUtf8(role.label4));
    ComboBox1->clear();
    ComboBox1->addItems(role.kinds);
    ComboBox1->setCurrentIndex(-1);
    setDialogHint(Edit2, QString::fromUtf8(role.hint2), m_hintsOn);
    setDialogHint(Edit3, QString::fromUtf8(role.hint3), m_hintsOn);
    setDialogHint(ComboBox1, QString::fromUtf8(role.hint4), m_hintsOn);
}

void TEingabe::done(int result)
{
    // Escape and the window's close button count as Abbruch, so no stale flag inserts markup.
    m_accept = result == QDialog::Accepted;
    QDialog::done(result);
}
