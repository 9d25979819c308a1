#pragma once

#include "foundation/base/result.h"

#include <QFile>
#include <QString>
#include <memory>

namespace tarvel {

// The statement trace of tarvel-report --trace-sql: every statement sent to
// the ERP, exactly as sent, one per line. The file is opened before anything
// is sent, so a path that cannot be written fails at once instead of losing
// the trace; each line reaches the file before its statement goes out.
class SqlTrace {
public:
    // Opens path for appending.
    static Result<std::shared_ptr<SqlTrace>> open(const QString &path);

    // Writes one line; throws ErpError when it cannot be written (a full disk),
    // so the statement is not sent untraced.
    void append(const QString &statement);

    QString path() const { return m_file.fileName(); }

private:
    explicit SqlTrace(const QString &path) : m_file(path) {}
    QFile m_file;
};

} // namespace tarvel
