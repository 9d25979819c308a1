#pragma once

#include "foundation/erp/erpconnection.h"

#include <QString>
#include <QVector>

namespace tarvel {

// Why opening the ERP database failed, told apart by the driver's records.
enum class OpenFailure {
    NoAnswer,            // no server answered: wrong name or port, firewall, server down
    LoginRefused,        // the server answered and refused the login name or password
    DatabaseUnavailable, // logged in, but the database could not be opened (or the demo file)
    Failed,              // anything else; the driver's words say it
};

// What the driver's records of a failed open mean, by SQLSTATE and the
// server's error number (18456 login failed, 4060 cannot open database,
// HYT00/08001/08S01 no answer).
OpenFailure classifyOpenFailure(const QVector<ErpDiagnostic> &records);

// A failed open as the user is told it, in Turkish: the cause with the
// server, the login name or the database it concerns, or the driver's text
// (lastError) when the records say nothing known. The password never appears:
// it is masked in the driver's text, the only part that could echo it.
struct OpenFailureText {
    OpenFailure kind = OpenFailure::Failed;
    QString text;
};
OpenFailureText describeOpenFailure(const ErpServerSettings &settings, const QString &lastError,
                                    const QVector<ErpDiagnostic> &records);

// The driver's text with every occurrence of the password masked.
QString withoutPassword(QString driverText, const QString &password);

} // namespace tarvel
