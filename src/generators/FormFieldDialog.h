// Input fields and text areas: their markup, the dialog TEingabe that asks for both, and the two
// commands.
#pragma once

#include "editor/DocumentCommands.h"
#include "widgets/DialogBase.h"

#include <QString>
#include <QStringList>
#include <span>

class QComboBox;
class QLabel;
class QLineEdit;
class TMDIChild;

// What TEingabe gathers; the meaning of the second, third and kind values depends on the role.
struct FieldValues {
    QString name;
    QString value2; // size, or rows
    QString value3; // maximum length, or columns
    QString kind;   // input type or wrap mode; empty when none was picked
};

// "<input name=... [type=...] size=... maxlength=...>": size and maximum length are always
// written, unquoted, even when empty.
QString inputFieldMarkup(const FieldValues& values);
// "<textarea name=... rows=... cols=... [wrap=...]></textarea>".
QString textAreaMarkup(const FieldValues& values);

// The texts that make TEingabe ask for a single-line field or for a text area.
struct FieldRole {
    const char* caption;
    const char* label2;
    const char* hint2;
    const char* label3;
    const char* hint3;
    const char* label4;
    const char* hint4;
    QStringList kinds;
};
const FieldRole& singleLineFieldRole();
const FieldRole& textAreaRole();

// Asks for the name, two numbers and a kind of a form field; OK sets the accept flag and keeps
// the values, every other way of closing clears the flag.
class TEingabe : public TFlagDialog
{
    Q_OBJECT
public:
    TEingabe(const DialogEnv& env, const FieldRole& role, bool& acceptFlag);

    // The values OK kept.
    FieldValues values() const { return m_values; }
    void accept() override;

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QLineEdit* Edit3;
    QComboBox* ComboBox1;

private:
    FieldValues m_values;
};

// The single-line field and the text area, each from one TEingabe.
void Eingabefelder1Click(TMDIChild& child);
void MehrzeiligesEingabefeld1Click(TMDIChild& child);

std::span<const DocumentCommand> deingabeCommands();
