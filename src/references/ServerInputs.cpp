// The inputs every reference dialog shares and the internal/external mode switch.
#include "references/ServerInputs.h"

#include "widgets/DialogBase.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace ReferenceLists
{

QStringList protocols()
{
    return {"http://", "ftp://", "gopher://", "wais:",   "telenet:",
            "file://", "afs://", "newsrc://", "nntp://", "news://"};
}

QStringList serverTypes()
{
    return {".com", ".de", ".edu", ".gov", ".net"};
}

QStringList alignments()
{
    return {"left",   "right",     "center", "top",      "texttop",
            "middle", "absmiddle", "bottom", "absbottom"};
}

QComboBox* editableList(QWidget* parent, const char* name, const QStringList& items,
                        const QString& text)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(items);
    box->setCurrentIndex(-1);
    box->setEditText(text);
    return box;
}

QComboBox* pickList(QWidget* parent, const char* name, const QStringList& items)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->addItems(items);
    box->setCurrentIndex(-1);
    return box;
}

void showText(QComboBox* box, const QString& text)
{
    if (box->isEditable()) {
        box->setEditText(text);
        return;
    }
    box->setCurrentIndex(text.isEmpty() ? -1 : box->findText(text));
}

} // namespace ReferenceLists

ServerInputs::ServerInputs(TDialog* dialog, QWidget* pathField)
{
    RadioButton1 = new QRadioButton(QStringLiteral("&Interner Link"), dialog);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton1->setChecked(true);
    RadioButton2 = new QRadioButton(QStringLiteral("&Externer Link"), dialog);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    NeoComboBox1 = ReferenceLists::editableList(dialog, "NeoComboBox1", ReferenceLists::protocols(),
                                                QStringLiteral("http://"));
    Edit7 = new QLineEdit(QStringLiteral("www."), dialog);
    Edit7->setObjectName(QStringLiteral("Edit7"));
    NeoComboBox2 = ReferenceLists::editableList(
        dialog, "NeoComboBox2", ReferenceLists::serverTypes(), QStringLiteral(".com"));
    protocolLabel = dialog->labelFor("&Protokoll:", NeoComboBox1);
    serverLabel = dialog->labelFor("&Server:", Edit7);
    typeLabel = dialog->labelFor("&Typ:", NeoComboBox2);
    pathLabel = dialog->labelFor("&Relative oder absolute Pfadangabe:", pathField);
    serverPathLabel = dialog->labelFor("Ser&verpfad:", pathField);
    QObject::connect(RadioButton2, &QRadioButton::toggled, dialog, [this] { applyMode(); });
    applyMode();
}

void ServerInputs::addInternalOnly(QWidget* widget)
{
    m_internalOnly << widget;
    widget->setVisible(!external());
}

bool ServerInputs::external() const
{
    return RadioButton2->isChecked();
}

void ServerInputs::setExternal(bool external)
{
    (external ? RadioButton2 : RadioButton1)->setChecked(true);
}

QString ServerInputs::prefix() const
{
    if (!external())
        return {};
    return NeoComboBox1->currentText() + Edit7->text() + NeoComboBox2->currentText();
}

void ServerInputs::applyMode()
{
    const bool on = external();
    for (QWidget* widget :
         {static_cast<QWidget*>(NeoComboBox1), static_cast<QWidget*>(Edit7),
          static_cast<QWidget*>(NeoComboBox2), static_cast<QWidget*>(protocolLabel),
          static_cast<QWidget*>(serverLabel), static_cast<QWidget*>(typeLabel)})
        widget->setEnabled(on);
    serverPathLabel->setHidden(!on);
    pathLabel->setHidden(on);
    for (QWidget* widget : std::as_const(m_internalOnly))
        widget->setHidden(on);
}
