// Submit and reset buttons: their markup and the dialog TDButton that asks for caption and kind.
#include "generators/Dbutt.h"

#include "editor/EntityKeyFilter.h"
#include "generators/DialogKit.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

QString buttonMarkup(const ButtonValues& values)
{
    return QStringLiteral("<input type=") + values.kind + QStringLiteral(" value=\"") +
           values.caption + QStringLiteral("\">");
}

TDButton::TDButton(bool& acceptFlag, bool hintsOn, QWidget* parent)
    : QDialog(parent), m_accept(acceptFlag)
{
    setObjectName(QStringLiteral("DButton"));
    setWindowTitle(QStringLiteral("Ausführungsbutton"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(255);
    Edit1->setMinimumWidth(220);
    EntityKeyFilter::attach(Edit1);
    setDialogHint(Edit1, QStringLiteral("Geben Sie hier die Beschriftung des Schalters ein"),
                  hintsOn);
    Label1 = buddyLabel(QStringLiteral("&Beschriftung des Schalters:"), Edit1, "Label1");

    auto* kinds = new QGroupBox(QStringLiteral("Typ des Buttons:"), this);
    kinds->setObjectName(QStringLiteral("GroupBox1"));
    RadioButton1 = new QRadioButton(QStringLiteral("&submit"), kinds);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton1->setChecked(true);
    setDialogHint(RadioButton1, QStringLiteral("Wählt den Schalter zum senden des Formulars"),
                  hintsOn);
    RadioButton2 = new QRadioButton(QStringLiteral("&reset"), kinds);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    setDialogHint(RadioButton2, QStringLiteral("Wählt den Schalter zum  löschen des Formulars"),
                  hintsOn);
    auto* kindLayout = new QVBoxLayout(kinds);
    kindLayout->addWidget(RadioButton1);
    kindLayout->addWidget(RadioButton2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Edit1);
    layout->addWidget(kinds);
    const DialogButtons buttons = addDialogButtons(this, layout, 301);
    OKBtn = buttons.ok;
    AbbruchBtn = buttons.cancel;
    HilfeBtn = buttons.help;
    connect(OKBtn, &QPushButton::clicked, this, [this] {
        m_values = {Edit1->text(),
                    RadioButton1->isChecked() ? QStringLiteral("submit") : QStringLiteral("reset")};
        accept();
    });
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    Edit1->setFocus();
}

void TDButton::done(int result)
{
    // Escape and the window's close button count as Abbruch, so no stale flag inserts markup.
    m_accept = result == QDialog::Accepted;
    QDialog::done(result);
}
