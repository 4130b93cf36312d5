// The form frame: its markup and the dialog TDZielanwendung that asks for action and method.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

struct FormFrame {
    QString action;
    QString method; // "post" or "get"
};

// The form tags on lines of their own around the selected text.
QString formFrameMarkup(const FormFrame& frame, const QString& selection);

// Asks for the address the filled-in form goes to and the method; reports OK by its result.
class TDZielanwendung : public QDialog
{
    Q_OBJECT
public:
    explicit TDZielanwendung(bool hintsOn, QWidget* parent = nullptr);

    FormFrame values() const;

    QLabel* Image1;
    QLabel* Label1;
    QLineEdit* Edit1;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QPushButton* OKBtn;
    QPushButton* AbbruchBtn;
    QPushButton* HilfeBtn;
};
