#include "foundation/store/wholefile.h"

#include <QFileInfo>
#include <QSaveFile>

namespace tarvel {

Result<void> writeWholeFile(const QString &path, const QByteArray &bytes, const QString &failure)
{
    const auto fail = [&](const QString &cause) -> Result<void> {
        return Error(QStringLiteral("%1: %2 (%3)").arg(failure, path, cause));
    };
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return fail(QStringLiteral("düzenli bir dosya değil"));
    QSaveFile file(path);
    // Unbuffered: a buffer flushed only by commit() can fail there unnoticed
    // and put a cut-off file in place of the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(file.errorString());
    // A full disk first cuts a write short without a cause; the write of the
    // rest then fails with the system's.
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0) {
            const QString cause = file.errorString(); // cancelling resets it
            file.cancelWriting();
            return fail(cause);
        }
        written += n;
    }
    if (!file.commit())
        return fail(file.errorString());
    return {};
}

} // namespace tarvel
