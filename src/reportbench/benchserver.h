#pragma once

#include "foundation/erp/erpconnection.h"

#include <QProcess>
#include <QString>

namespace tarvel::bench {

// The TDS test server (tds-sqlite-server beside the repository) serving the
// bench company's ERP file over loopback, each statement held delayMs first:
// a branch office's link to its SQL Server. Stopped when the object goes.
class BenchServer {
public:
    BenchServer(const QString &erpFile, int delayMs);
    ~BenchServer();
    BenchServer(const BenchServer &) = delete;
    BenchServer &operator=(const BenchServer &) = delete;

    // A connection to it; throws Error when it cannot be started or reached.
    std::unique_ptr<ErpConnection> connect();

private:
    QProcess m_process;
    QString m_server; // "127.0.0.1,PORT"
};

} // namespace tarvel::bench
