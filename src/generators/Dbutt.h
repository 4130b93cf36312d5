// Submit and reset buttons: their markup and the dialog TDButton that asks for caption and kind.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

struct ButtonValues {
    QString caption;
    QString kind; // "submit" or "reset"
};

// "<input type=submit value=\"...\">".
QString buttonMarkup(const ButtonValues& values);

// Asks for the caption and kind of a form button; OK sets the accept flag and Abbruch, Escape
// or closing the window clear it.
class TDButton : public QDialog
{
    Q_OBJECT
public:
    TDButton(bool& acceptFlag, bool hintsOn, QWidget* parent = nullptr);

    ButtonValues values() const { return m_values; }

    QLabel* Label1;
    QLineEdit* Edit1;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QPushButton* OKBtn;
    QPushButton* AbbruchBtn;
    QPushButton* HilfeBtn;

    void done(int result) override;

private:
    bool& m_accept;
    ButtonValues m_values;
};
