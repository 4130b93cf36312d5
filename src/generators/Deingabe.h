// Input fields and text areas: their markup and the dialog TEingabe that asks for both.
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

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

// Asks for the name, two numbers and a kind of a form field; OK sets the accept flag and Abbruch,
// Escape or closing the window clear it.
class TEingabe : public QDialog
{
    Q_OBJECT
public:
    TEingabe(bool& acceptFlag, bool hintsOn, QWidget* parent = nullptr);

    void setRole(const FieldRole& role);
    // The values OK stored.
    FieldValues values() const { return m_values; }

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QLineEdit* Edit3;
    QComboBox* ComboBox1;
    QPushButton* OKBtn;
    QPushButton* AbbruchBtn;
    QPushButton* HilfeBtn;

    void done(int result) override;

private:
    bool& m_accept;
    bool m_hintsOn;
    FieldValues m_values;
};
