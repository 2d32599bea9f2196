// The one error type of the data layer: a Turkish message fit to show the user as it is.
#pragma once

#include <QString>
#include <stdexcept>

namespace dukkano {

class DataError : public std::runtime_error {
public:
    explicit DataError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

} // namespace dukkano
