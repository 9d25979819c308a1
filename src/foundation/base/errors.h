#pragma once

#include <QString>
#include <stdexcept>

namespace tarvel {

// Base of the errors our operations raise. Callers that "carry on past a failing
// step" catch it; callers that report show description().
class Error : public std::runtime_error {
public:
    explicit Error(const QString &description)
        : std::runtime_error(description.toStdString()), m_description(description)
    {
    }
    const QString &description() const { return m_description; }

private:
    QString m_description;
};

// A statement on the ERP database failed (timeout, missing table, refused, not connected).
class ErpError : public Error {
public:
    // Whether the server is still there: a run stops when it is not.
    enum class Cause {
        Statement,      // the statement failed; the server answered
        NoAnswer,       // the server did not answer within the timeout
        ConnectionLost, // the connection broke off
    };
    explicit ErpError(const QString &description, Cause cause = Cause::Statement)
        : Error(description), m_cause(cause)
    {
    }
    Cause cause() const { return m_cause; }

private:
    Cause m_cause;
};

// The local store data.dbs could not be opened or read (missing file, table, row, column, NULL).
class StoreError : public Error {
public:
    using Error::Error;
};

} // namespace tarvel
