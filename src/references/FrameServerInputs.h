// The internal/external switch of the frame and background dialogs with its server inputs.
#pragma once

#include <QString>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QRadioButton;
class TDialog;

// Internal mode greys protocol, server and type, names the path field a relative or absolute
// path and offers the local-path check box; external mode does the reverse and names it the
// server path.
class FrameServerInputs
{
public:
    // Creates the controls in dialog; pathField is the path input both path labels lead to.
    FrameServerInputs(TDialog* dialog, QLineEdit* pathField);

    QRadioButton* RadioButton1; // "&Interner Link"
    QRadioButton* RadioButton2; // "&Externer Link"
    QComboBox* NeoComboBox1;    // protocol
    QLineEdit* Edit7;           // server
    QComboBox* NeoComboBox2;    // server type
    QCheckBox* CBVPfad;
    QLabel* protocolLabel;
    QLabel* serverLabel;
    QLabel* typeLabel;
    QLabel* localPathLabel;
    QLabel* serverPathLabel;

    bool external() const;
    void setExternal(bool external);
    // Protocol, server and type as they stand in front of an external path.
    QString prefix() const;
    // Fills the three server inputs (from a remembered entry).
    void setServer(const QString& protocol, const QString& server, const QString& type);

    // The radio buttons above the server inputs, from row on in columns 0 and 1.
    int addTo(QGridLayout* layout, int row);

private:
    void applyMode();
};
