// Radio buttons and check boxes: their markup and the dialog TEingabe1 that asks for name and
// value.
#include "generators/Deingab1.h"

#include "editor/EntityKeyFilter.h"
#include "generators/DialogKit.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

QString switchMarkup(SwitchKind kind, const SwitchValues& values)
{
    const QString type =
        kind == SwitchKind::Radio ? QStringLiteral("radio") : QStringLiteral("checkbox");
    return QStringLiteral("<input type=") + type + QStringLiteral(" name=\"") + values.name +
           QStringLiteral("\" value=\"") + values.value + QStringLiteral("\">");
}

TEingabe1::TEingabe1(bool& acceptFlag, QString& switchName, bool hintsOn, QWidget* parent)
    : QDialog(parent), m_accept(acceptFlag), m_switchName(switchName)
{
    setObjectName(QStringLiteral("Eingabe1"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(255);
    Edit1->setMinimumWidth(220);
    EntityKeyFilter::attach(Edit1);
    setDialogHint(Edit1, QStringLiteral("Geben Sie hier den Bezeichnernamen des Buttons an."),
                  hintsOn);
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setMaxLength(255);
    setDialogHint(Edit2,
                  QStringLiteral("Geben Sie hier den  Bezeichnerwert für den Button an.@Wichtig "
                                 "! Verwenden Sie bei Valuewerten keine Umlaute!|Geben Sie hier "
                                 "den  Bezeichnerwert für den Button an."),
                  hintsOn);
    Label1 = buddyLabel(QStringLiteral("&Name des Schalters:"), Edit1, "Label1");
    Label2 = buddyLabel(QStringLiteral("&Value:"), Edit2, "Label2");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Edit1);
    layout->addWidget(Label2);
    layout->addWidget(Edit2);
    const DialogButtons buttons = addDialogButtons(this, layout, 304);
    OKBtn = buttons.ok;
    AbbruchBtn = buttons.cancel;
    HilfeBtn = buttons.help;
    connect(OKBtn, &QPushButton::clicked, this, [this] {
        m_values = {Edit1->text(), Edit2->text()};
        m_switchName = m_values.name;
        accept();
    });
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    Edit1->setFocus();
}

void TEingabe1::showEvent(QShowEvent* event)
{
    if (!m_switchName.isEmpty()) {
        Edit1->setText(m_switchName);
        Edit1->selectAll();
    }
    QDialog::showEvent(event);
}

void TEingabe1::done(int result)
{
    // Escape and the window's close button count as Abbruch, so no stale flag inserts markup.
    m_accept = result == QDialog::Accepted;
    QDialog::done(result);
}
