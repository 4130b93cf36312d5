// TInputBox: the small modal prompt with one line of text, "OK" and "Abbrechen".
#include "widgets/InputBox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TInputBox::TInputBox(const QString& caption, const QString& prompt, const QString& defaultText,
                     QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("InputBox"));
    setWindowTitle(caption);
    m_prompt = new QLabel(prompt, this);
    m_prompt->setObjectName(QStringLiteral("Prompt"));
    m_field = new QLineEdit(this);
    m_field->setObjectName(QStringLiteral("Edit"));
    m_field->setMaxLength(MaxLength);
    m_field->setText(defaultText);
    m_field->selectAll();
    m_field->setMinimumWidth(m_field->fontMetrics().averageCharWidth() * 40);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_prompt);
    layout->addWidget(m_field);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
}

InputAnswer inputBox(QWidget* parent, const QString& caption, const QString& prompt,
                     const QString& defaultText)
{
    TInputBox box(caption, prompt, defaultText, parent);
    InputAnswer answer;
    answer.accepted = box.exec() == QDialog::Accepted;
    answer.text = answer.accepted ? box.field()->text() : defaultText;
    return answer;
}
