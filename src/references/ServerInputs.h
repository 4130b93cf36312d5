// The inputs every reference dialog shares: internal/external switch, protocol, server and
// server type, the two path labels, and the fixed lists they offer.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;
class TDialog;

namespace ReferenceLists
{
QStringList protocols();
QStringList serverTypes();
QStringList alignments();

// An editable list (no entry added by Return) showing text.
QComboBox* editableList(QWidget* parent, const char* name, const QStringList& items,
                        const QString& text = {});
// A pick-only list that starts empty.
QComboBox* pickList(QWidget* parent, const char* name, const QStringList& items);
// Shows text in box: the matching entry of a pick-only list (none when it has no such entry),
// the text itself in an editable one.
void showText(QComboBox* box, const QString& text);
} // namespace ReferenceLists

// Created by the dialog that owns the widgets; internal mode at start.
class ServerInputs
{
public:
    ServerInputs(TDialog* dialog, QWidget* pathField);

    QRadioButton* RadioButton1; // "&Interner Link"
    QRadioButton* RadioButton2; // "&Externer Link"
    QComboBox* NeoComboBox1;    // protocol
    QLineEdit* Edit7;           // server
    QComboBox* NeoComboBox2;    // server type
    QLabel* protocolLabel;
    QLabel* serverLabel;
    QLabel* typeLabel;
    QLabel* pathLabel;       // "&Relative oder absolute Pfadangabe:", internal mode
    QLabel* serverPathLabel; // "Ser&verpfad:", external mode

    // Widgets that only internal mode shows (the local-path check boxes).
    void addInternalOnly(QWidget* widget);
    bool external() const;
    // Checks the radio button, which switches the inputs like a click.
    void setExternal(bool external);
    // Protocol + server + type in external mode, empty in internal mode.
    QString prefix() const;

private:
    void applyMode();
    QList<QWidget*> m_internalOnly;
};
