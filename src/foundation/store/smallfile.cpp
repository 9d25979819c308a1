#include "foundation/store/smallfile.h"

#include "foundation/base/notices.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tarvel {

namespace {

QString tooLarge(qint64 limit)
{
    return QStringLiteral("%1 MB sınırından büyük").arg(limit / (1024 * 1024));
}

const QString notRegular = QStringLiteral("düzenli bir dosya değil");

#ifdef Q_OS_UNIX
QString openFailure(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return QStringLiteral("okuma izni yok");
    case ELOOP:
        return QStringLiteral("sembolik bağlar döngü oluşturuyor");
    default:
        return QStringLiteral("okunamadı: %1").arg(QString::fromLocal8Bit(std::strerror(error)));
    }
}

SmallFile readOpen(int fd, qint64 limit)
{
    SmallFile file;
    struct stat status = {};
    if (::fstat(fd, &status) != 0) {
        file.outcome = SmallFile::Refused;
        file.reason = openFailure(errno);
        return file;
    }
    if (!S_ISREG(status.st_mode)) {
        file.outcome = SmallFile::Refused;
        file.reason = notRegular;
        return file;
    }
    if (status.st_size > limit) {
        file.outcome = SmallFile::Refused;
        file.reason = tooLarge(limit);
        return file;
    }
    // The size may change while it is read: never more than the limit.
    QByteArray bytes(qsizetype(status.st_size) + 1, Qt::Uninitialized);
    qsizetype got = 0;
    for (;;) {
        if (got == bytes.size()) {
            if (got > limit) {
                file.outcome = SmallFile::Refused;
                file.reason = tooLarge(limit);
                return file;
            }
            bytes.resize(qMin<qsizetype>(bytes.size() * 2, qsizetype(limit) + 1));
        }
        const ssize_t n = ::read(fd, bytes.data() + got, size_t(bytes.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            file.outcome = SmallFile::Refused;
            file.reason = openFailure(errno);
            return file;
        }
        if (n == 0)
            break;
        got += n;
    }
    bytes.truncate(got);
    file.outcome = SmallFile::Read;
    file.bytes = bytes;
    return file;
}
#endif

} // namespace

SmallFile readSmallFile(const QString &path, qint64 limit)
{
#ifdef Q_OS_UNIX
    // Non-blocking: opening a FIFO for reading otherwise waits for a writer.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        SmallFile file;
        if (errno != ENOENT && errno != ENOTDIR) {
            file.outcome = SmallFile::Refused;
            file.reason = openFailure(errno);
        }
        return file;
    }
    SmallFile file = readOpen(fd, limit);
    ::close(fd);
    return file;
#else
    SmallFile file;
    const QFileInfo info(path);
    if (!info.exists())
        return file;
    file.outcome = SmallFile::Refused;
    if (!info.isFile()) {
        file.reason = notRegular;
        return file;
    }
    if (info.size() > limit) {
        file.reason = tooLarge(limit);
        return file;
    }
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) {
        file.reason = QStringLiteral("okunamadı: %1").arg(in.errorString());
        return file;
    }
    const QByteArray bytes = in.read(limit + 1);
    if (bytes.size() > limit) {
        file.reason = tooLarge(limit);
        return file;
    }
    file.outcome = SmallFile::Read;
    file.bytes = bytes;
    return file;
#endif
}

SmallFile::Outcome readSideFile(const QString &path, QByteArray &bytes)
{
    SmallFile file = readSmallFile(path);
    if (file.outcome == SmallFile::Refused)
        notice(QStringLiteral("Dosya okunmadı (%1): %2. Dosya yokmuş gibi devam edildi.")
                   .arg(file.reason, path));
    bytes = std::move(file.bytes);
    return file.outcome;
}

} // namespace tarvel
