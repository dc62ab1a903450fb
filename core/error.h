// The program's one error type: a message for the standard error box.
#pragma once

#include <QString>
#include <stdexcept>

namespace vantrel {

class EError : public std::runtime_error {
public:
    explicit EError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

} // namespace vantrel
