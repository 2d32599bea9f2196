// The one error type of the data layer: a Turkish message fit to show the user as it is.
#pragma once

#include <QString>
#include <stdexcept>

namespace dukkano {

class DataError : public std::runtime_error {
public:
    // What went wrong, where the caller must tell the cases apart: a file another program
    // holds, a damaged file, a row the schema's rules refuse, or anything else.
    enum class Kind { General, Busy, Damaged, Constraint };

    explicit DataError(const QString& message, Kind kind = Kind::General)
        : std::runtime_error(message.toStdString()), m_message(message), m_kind(kind) {}
    const QString& message() const { return m_message; }
    Kind kind() const { return m_kind; }

private:
    QString m_message;
    Kind m_kind;
};

} // namespace dukkano
