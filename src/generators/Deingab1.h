// Radio buttons and check boxes: their markup and the dialog TEingabe1 that asks for name and
// value.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

enum class SwitchKind { Radio, Checkbox };

struct SwitchValues {
    QString name;
    QString value;
};

// "<input type=radio name=\"...\" value=\"...\">", or type=checkbox.
QString switchMarkup(SwitchKind kind, const SwitchValues& values);

// Asks for the name and value of a radio button or check box. The name field starts with the
// name of the previous switch, so the buttons of one group need it typed once. OK sets the
// accept flag and remembers the name; Abbruch, Escape or closing the window clear the flag.
class TEingabe1 : public QDialog
{
    Q_OBJECT
public:
    TEingabe1(bool& acceptFlag, QString& switchName, bool hintsOn, QWidget* parent = nullptr);

    SwitchValues values() const { return m_values; }

    QLabel* Label1;
    QLabel* Label2;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QPushButton* OKBtn;
    QPushButton* AbbruchBtn;
    QPushButton* HilfeBtn;

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool& m_accept;
    QString& m_switchName;
    SwitchValues m_values;
};
