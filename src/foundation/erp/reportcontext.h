#pragma once

#include "foundation/base/apppaths.h"
#include "foundation/erp/erpconnection.h"
#include "foundation/erp/readmode.h"

#include <QString>

namespace tarvel {

// What a report screen's model needs to read the ERP: where the program lives,
// the firm and period it names its tables from, and the connection the
// statements run on. Windows make one after loading the shared settings;
// tarvel-report and the tests make their own, so no model reaches for
// process-wide state itself.
struct ReportContext {
    AppPaths paths;
    QString fir; // the stored firm choice, "1- NAME"
    QString don; // the stored period choice, "2- ..."
    // The connection to use; none means the session's primary connection, asked
    // for at every statement because a reconnect replaces it.
    ErpConnection *connection = nullptr;
    // How the models read: in sets, or one statement per row as always.
    ReadMode readMode = ReadMode::Sets;

    ErpConnection &erp() const;
    ErpRows query(const QString &statement) const { return erp().query(statement); }
    QString firmTable(const QString &table) const;   // LG_001_CLCARD
    QString periodTable(const QString &table) const; // LG_001_02_STLINE
    QString rawFirmNumber() const;                   // "1", for the system tables' FIRMNR
};

} // namespace tarvel
