#pragma once

#include "foundation/base/apppaths.h"
#include "foundation/erp/erpconnection.h"

#include <QString>
#include <functional>

namespace tarvel {

// What a report screen's model needs to read the ERP: where the program lives,
// the firm and period it names its tables from, and the connection the
// statements run on. Whoever opens a screen names its connection (the windows
// the session's primary one, tarvel-report and the tests their own), so no
// model reaches for process-wide state itself.
struct ReportContext {
    AppPaths paths;
    QString fir; // the stored firm choice, "1- NAME"
    QString don; // the stored period choice, "2- ..."
    // Required: a context without a connection does not compile.
    std::reference_wrapper<ErpConnection> connection;

    ErpConnection &erp() const { return connection; }
    ErpRows query(const QString &statement) const { return erp().query(statement); }
    QString firmTable(const QString &table) const;   // LG_001_CLCARD
    QString periodTable(const QString &table) const; // LG_001_02_STLINE
    QString rawFirmNumber() const;                   // "1", for the system tables' FIRMNR
};

} // namespace tarvel
