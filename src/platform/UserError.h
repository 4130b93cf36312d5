// The error a command raises for the general error report: a German text shown to the user.
#pragma once

#include <QString>
#include <stdexcept>

class UserError : public std::runtime_error
{
public:
    explicit UserError(const QString& text) : std::runtime_error(text.toStdString()), m_text(text)
    {
    }
    const QString& text() const { return m_text; }

private:
    QString m_text;
};
