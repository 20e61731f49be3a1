#pragma once

#include <QString>
#include <stdexcept>

// The program's own failures (database, printer, Messenger) travel as exceptions that carry
// the text the user is shown. The one event-handler guard turns them into the default report.
class PelmoraError : public std::runtime_error {
public:
    explicit PelmoraError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    QString message() const { return m_message; }

private:
    QString m_message;
};

class DatabaseError : public PelmoraError {
public:
    using PelmoraError::PelmoraError;
};
