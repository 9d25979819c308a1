#include "foundation/erp/sqltrace.h"

#include "foundation/base/errors.h"

#include <QFileInfo>

namespace tarvel {

Result<std::shared_ptr<SqlTrace>> SqlTrace::open(const QString &path)
{
    std::shared_ptr<SqlTrace> trace(new SqlTrace(path));
    const QFileInfo info(path);
    if (info.isDir())
        return Error(QStringLiteral("SQL izleme dosyası yazılamıyor: %1 (bir klasör)").arg(path));
    // Unbuffered: a write that fails (no space left) fails at once, not at a
    // flush nobody checks. A device or pipe cannot be appended to, only written.
    QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::Unbuffered;
    if (!info.exists() || info.isFile())
        mode |= QIODevice::Append;
    if (!trace->m_file.open(mode))
        return Error(
            QStringLiteral("SQL izleme dosyası yazılamıyor: %1 (%2)").arg(path, trace->m_file.errorString()));
    return trace;
}

void SqlTrace::append(const QString &statement)
{
    const QByteArray line = statement.toUtf8() + '\n';
    if (m_file.write(line) != line.size())
        throw ErpError(QStringLiteral("SQL izleme dosyasına yazılamadı, sorgu gönderilmedi: %1 (%2)")
                           .arg(path(), m_file.errorString()));
}

} // namespace tarvel
