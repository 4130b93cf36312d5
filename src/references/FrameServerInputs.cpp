// The internal/external switch of the frame and background dialogs with its server inputs.
#include "references/FrameServerInputs.h"

#include "widgets/DialogBase.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace
{

QComboBox* editableList(TDialog* dialog, const char* name, std::initializer_list<const char*> items)
{
    auto* box = new QComboBox(dialog);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    for (const char* item : items)
        box->addItem(QString::fromLatin1(item));
    box->setCurrentIndex(0);
    return box;
}

} // namespace

FrameServerInputs::FrameServerInputs(TDialog* dialog, QLineEdit* pathField)
{
    RadioButton1 = new QRadioButton(QStringLiteral("&Interner Link"), dialog);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton1->setChecked(true);
    dialog->setHint(RadioButton1, "Die Datei liegt auf diesem Rechner");
    RadioButton2 = new QRadioButton(QStringLiteral("&Externer Link"), dialog);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    dialog->setHint(RadioButton2, "Die Datei liegt auf einem Server");

    NeoComboBox1 = editableList(dialog, "NeoComboBox1",
                                {"http://", "ftp://", "gopher://", "wais:", "telenet:", "file://",
                                 "afs://", "newsrc://", "nntp://", "news://"});
    Edit7 = new QLineEdit(QStringLiteral("www."), dialog);
    Edit7->setObjectName(QStringLiteral("Edit7"));
    NeoComboBox2 = editableList(dialog, "NeoComboBox2", {".com", ".de", ".edu", ".gov", ".net"});
    protocolLabel = dialog->labelFor("&Protokoll:", NeoComboBox1);
    serverLabel = dialog->labelFor("&Server:", Edit7);
    typeLabel = dialog->labelFor("&Typ:", NeoComboBox2);

    CBVPfad = new QCheckBox(QStringLiteral("&lokalen Pfad der Datei verwenden."), dialog);
    CBVPfad->setObjectName(QStringLiteral("CBVPfad"));
    dialog->setHint(CBVPfad, "Die Dateiauswahl trägt auch den lokalen Pfad ein");
    localPathLabel = dialog->labelFor("&Relative oder absolute Pfadangabe:", pathField);
    serverPathLabel = dialog->labelFor("Ser&verpfad:", pathField);

    QObject::connect(RadioButton1, &QRadioButton::toggled, dialog, [this] { applyMode(); });
    applyMode();
}

bool FrameServerInputs::external() const
{
    return RadioButton2->isChecked();
}

void FrameServerInputs::setExternal(bool external)
{
    (external ? RadioButton2 : RadioButton1)->setChecked(true);
    applyMode();
}

QString FrameServerInputs::prefix() const
{
    return NeoComboBox1->currentText() + Edit7->text() + NeoComboBox2->currentText();
}

void FrameServerInputs::setServer(const QString& protocol, const QString& server,
                                  const QString& type)
{
    NeoComboBox1->setEditText(protocol);
    Edit7->setText(server);
    NeoComboBox2->setEditText(type);
}

int FrameServerInputs::addTo(QGridLayout* layout, int row)
{
    layout->addWidget(RadioButton1, row, 0);
    layout->addWidget(RadioButton2, row++, 1);
    layout->addWidget(protocolLabel, row, 0);
    layout->addWidget(NeoComboBox1, row++, 1);
    layout->addWidget(serverLabel, row, 0);
    layout->addWidget(Edit7, row++, 1);
    layout->addWidget(typeLabel, row, 0);
    layout->addWidget(NeoComboBox2, row++, 1);
    return row;
}

void FrameServerInputs::applyMode()
{
    const bool ext = external();
    for (QWidget* w : {static_cast<QWidget*>(NeoComboBox1), static_cast<QWidget*>(Edit7),
                       static_cast<QWidget*>(NeoComboBox2), static_cast<QWidget*>(protocolLabel),
                       static_cast<QWidget*>(serverLabel), static_cast<QWidget*>(typeLabel)})
        w->setEnabled(ext);
    serverPathLabel->setVisible(ext);
    localPathLabel->setVisible(!ext);
    CBVPfad->setVisible(!ext);
}
