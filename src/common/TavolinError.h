#pragma once

#include <QString>
#include <stdexcept>

// The program's one error type: it carries the German message that the user sees.
// File and transfer operations raise it; the window that started the command shows it.
class TavolinError : public std::runtime_error
{
public:
    explicit TavolinError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }

    const QString& message() const noexcept { return m_message; }

private:
    QString m_message;
};
