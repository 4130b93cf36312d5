// TInputBox: the small modal prompt with one line of text, "OK" and "Abbrechen".
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;

// The answer of an input box; accepted is false after "Abbrechen", Escape or the close button,
// and text then holds the default unchanged.
struct InputAnswer {
    bool accepted = false;
    QString text;
};

class TInputBox : public QDialog
{
    Q_OBJECT
public:
    static constexpr int MaxLength = 255;

    TInputBox(const QString& caption, const QString& prompt, const QString& defaultText,
              QWidget* parent = nullptr);

    QLabel* promptLabel() const { return m_prompt; }
    QLineEdit* field() const { return m_field; }

private:
    QLabel* m_prompt;
    QLineEdit* m_field;
};

// Shows an input box modally; the field starts with defaultText, fully selected.
InputAnswer inputBox(QWidget* parent, const QString& caption, const QString& prompt,
                     const QString& defaultText = QString());
