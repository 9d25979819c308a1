#include "printing/wholefile.h"

#include "foundation/base/errors.h"

#include <QFileInfo>
#include <QSaveFile>

namespace tarvel {

void writeWholeFile(const QString &path, const QByteArray &bytes, const QString &failure)
{
    const auto fail = [&](const QString &cause) {
        throw Error(QStringLiteral("%1: %2 (%3)").arg(failure, path, cause));
    };
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        fail(QStringLiteral("düzenli bir dosya değil"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        const QString cause = file.errorString(); // cancelling resets it
        file.cancelWriting();
        fail(cause);
    }
    if (!file.commit())
        fail(file.errorString());
}

} // namespace tarvel
