// Radio buttons and check boxes: their markup, the dialog TEingabe1 that asks for name and value,
// and the two commands.
#pragma once

#include "editor/DocumentCommands.h"
#include "widgets/DialogBase.h"

#include <QString>
#include <span>

class QLabel;
class QLineEdit;
class TMDIChild;

enum class SwitchKind { Radio, Checkbox };

struct SwitchValues {
    QString name;
    QString value;
};

// "<input type=radio name=\"...\" value=\"...\">", or type=checkbox.
QString switchMarkup(SwitchKind kind, const SwitchValues& values);

// Asks for the name and value of a radio button or check box. The name field starts with the
// name of the previous switch, so the buttons of one group need it typed once. OK sets the
// accept flag and remembers the name; every other way of closing clears the flag.
class TEingabe1 : public TFlagDialog
{
    Q_OBJECT
public:
    TEingabe1(const DialogEnv& env, const QString& caption, bool& acceptFlag, QString& switchName);

    SwitchValues values() const { return m_values; }
    void accept() override;

    QLabel* Label1;
    QLabel* Label2;
    QLineEdit* Edit1;
    QLineEdit* Edit2;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString& m_switchName;
    SwitchValues m_values;
};

void N25Click(TMDIChild& child);          // radio button
void Checkbutton1Click(TMDIChild& child); // check box

std::span<const DocumentCommand> deingab1Commands();
