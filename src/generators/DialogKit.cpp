// Pieces every generator dialog shares: hints, the OK/Abbruch/Hilfe row, labelled fields.
#include "generators/DialogKit.h"

#include <QBoxLayout>
#include <QDialog>
#include <QLabel>
#include <QPushButton>

DialogButtons addDialogButtons(QDialog* dialog, QBoxLayout* layout, int helpTopic)
{
    DialogButtons buttons;
    auto* row = new QHBoxLayout;
    row->addStretch();
    buttons.ok = new QPushButton(QStringLiteral("&OK"), dialog);
    buttons.ok->setObjectName(QStringLiteral("OKBtn"));
    buttons.ok->setDefault(true);
    buttons.cancel = new QPushButton(QStringLiteral("&Abbruch"), dialog);
    buttons.cancel->setObjectName(QStringLiteral("AbbruchBtn"));
    buttons.cancel->setAutoDefault(false);
    QObject::connect(buttons.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    row->addWidget(buttons.ok);
    row->addWidget(buttons.cancel);
    if (helpTopic > 0) {
        buttons.help = new QPushButton(QStringLiteral("&Hilfe"), dialog);
        buttons.help->setObjectName(QStringLiteral("HilfeBtn"));
        buttons.help->setAutoDefault(false);
        row->addWidget(buttons.help);
    }
    layout->addLayout(row);
    return buttons;
}

void setDialogHint(QWidget* control, const QString& hint, bool hintsOn)
{
    if (!hintsOn)
        return;
    QString text = hint;
    text.replace(QLatin1Char('@'), QLatin1Char('\n'));
    const qsizetype bar = text.indexOf(QLatin1Char('|'));
    control->setToolTip(bar < 0 ? text : text.left(bar));
    control->setStatusTip(bar < 0 ? text : text.mid(bar + 1));
}

QLabel* buddyLabel(const QString& caption, QWidget* field, const char* name)
{
    auto* label = new QLabel(caption);
    label->setBuddy(field);
    if (*name)
        label->setObjectName(QString::fromLatin1(name));
    return label;
}

QString htmlColorDigits(unsigned value)
{
    const unsigned rgb = ((value & 0xFF) << 16) | (value & 0xFF00) | ((value >> 16) & 0xFF);
    return QStringLiteral("%1").arg(rgb, 6, 16, QLatin1Char('0')).toUpper();
}
