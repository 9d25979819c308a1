#include "foundation/erp/sqlbrowser.h"

#include "foundation/store/sidefiles.h"

#include <QDeadlineTimer>
#include <QHash>
#include <QStringList>

#ifndef Q_OS_WIN
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <vector>
#endif

namespace tarvel {

QByteArray sqlBrowserRequest(const QString &instance)
{
    return char(0x04) + toCp1254(instance) + char(0x00);
}

namespace {

// The key/value record of instance in a browser answer, keys in lower case.
std::optional<QHash<QString, QString>> instanceRecord(const QByteArray &answer, const QString &instance)
{
    if (answer.size() < 3 || quint8(answer.at(0)) != 0x05)
        return std::nullopt;
    const int length = quint8(answer.at(1)) | (quint8(answer.at(2)) << 8);
    // Records of "key;value;" pairs, each ended by an empty key (";;").
    const QStringList parts = fromCp1254(answer.mid(3, length)).split(QLatin1Char(';'));
    QHash<QString, QString> record;
    for (qsizetype i = 0; i < parts.size();) {
        if (parts.at(i).isEmpty()) {
            if (record.value(QStringLiteral("instancename")).compare(instance, Qt::CaseInsensitive) == 0)
                return record;
            record.clear();
            ++i;
            continue;
        }
        record.insert(parts.at(i).toLower(), i + 1 < parts.size() ? parts.at(i + 1) : QString());
        i += 2;
    }
    if (record.value(QStringLiteral("instancename")).compare(instance, Qt::CaseInsensitive) == 0)
        return record;
    return std::nullopt;
}

} // namespace

std::optional<int> portFromSqlBrowserAnswer(const QByteArray &answer, const QString &instance)
{
    const std::optional<QHash<QString, QString>> record = instanceRecord(answer, instance);
    if (!record)
        return std::nullopt;
    bool ok = false;
    const int port = record->value(QStringLiteral("tcp")).trimmed().toInt(&ok);
    if (!ok || port <= 0 || port > 65535)
        return std::nullopt;
    return port;
}

#ifndef Q_OS_WIN

namespace {

// The open UDP sockets, one per address of the host, closed on every path.
struct BrowserSockets {
    std::vector<int> fds;
    ~BrowserSockets()
    {
        for (const int fd : fds)
            ::close(fd);
    }
};

} // namespace

std::optional<int> resolveInstancePort(const QString &host, const QString &instance, int browserPort,
                                       int timeoutMs, QString *error)
{
    const QDeadlineTimer deadline(timeoutMs);
    const QString where = QStringLiteral("%1\\%2").arg(host, instance);

    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo *found = nullptr;
    const int rc =
        ::getaddrinfo(host.toUtf8().constData(), QByteArray::number(browserPort).constData(), &hints, &found);
    if (rc != 0) {
        *error = QStringLiteral("\"%1\" sunucusu bulunamadı (%2).")
                     .arg(host, QString::fromLocal8Bit(gai_strerror(rc)));
        return std::nullopt;
    }
    // Every address of the host is asked ("localhost" is ::1 and 127.0.0.1);
    // a connected UDP socket hears a closed port as a refusal.
    BrowserSockets sockets;
    for (const addrinfo *a = found; a; a = a->ai_next) {
        const int fd = ::socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC, a->ai_protocol);
        if (fd < 0)
            continue;
        if (::connect(fd, a->ai_addr, a->ai_addrlen) != 0) {
            ::close(fd);
            continue;
        }
        sockets.fds.push_back(fd);
    }
    ::freeaddrinfo(found);

    const QByteArray request = sqlBrowserRequest(instance);
    std::vector<bool> refused(sockets.fds.size(), false);
    const auto allRefused = [&refused] {
        for (const bool r : refused) {
            if (!r)
                return false;
        }
        return true;
    };
    QDeadlineTimer nextSend(0);
    while (!sockets.fds.empty() && !deadline.hasExpired() && !allRefused()) {
        // The request goes again every second: a datagram may be lost.
        if (nextSend.hasExpired()) {
            for (size_t i = 0; i < sockets.fds.size(); ++i) {
                if (!refused[i] &&
                    ::send(sockets.fds[i], request.constData(), size_t(request.size()), 0) < 0 &&
                    errno == ECONNREFUSED)
                    refused[i] = true;
            }
            nextSend.setRemainingTime(1000);
        }
        std::vector<pollfd> polls;
        for (const int fd : sockets.fds)
            polls.push_back({fd, POLLIN, 0});
        const int wait = int(qMin(deadline.remainingTime(), nextSend.remainingTime()));
        if (::poll(polls.data(), nfds_t(polls.size()), qMax(wait, 0)) < 0 && errno != EINTR)
            break;
        for (size_t i = 0; i < polls.size(); ++i) {
            if (!(polls[i].revents & (POLLIN | POLLERR)))
                continue;
            QByteArray answer(65535 + 3, Qt::Uninitialized);
            const ssize_t got = ::recv(polls[i].fd, answer.data(), size_t(answer.size()), 0);
            if (got < 0) {
                if (errno == ECONNREFUSED)
                    refused[i] = true;
                continue;
            }
            answer.truncate(qsizetype(got));
            if (const std::optional<int> port = portFromSqlBrowserAnswer(answer, instance))
                return port;
            if (instanceRecord(answer, instance)) {
                *error =
                    QStringLiteral("\"%1\" örneği TCP/IP ile bağlantı kabul etmiyor: sunucunun SQL Server "
                                   "Browser yanıtında bu örnek için TCP portu yok.")
                        .arg(where);
                return std::nullopt;
            }
        }
    }
    if (!sockets.fds.empty() && allRefused()) {
        *error =
            QStringLiteral("\"%1\" örneği bulunamadı: %2 sunucusunda SQL Server Browser hizmeti çalışmıyor "
                           "(UDP %3 kapalı). Sunucuyu \"sunucu,port\" biçiminde yazın ya da hizmeti "
                           "başlatın.")
                .arg(where, host)
                .arg(browserPort);
    } else {
        *error =
            QStringLiteral("\"%1\" örneği bulunamadı: %2 sunucusundaki SQL Server Browser hizmeti (UDP %3) "
                           "%4 saniye içinde yanıt vermedi. Örnek adı yanlış, hizmet kapalı ya da bir "
                           "güvenlik duvarı engelliyor olabilir.")
                .arg(where, host)
                .arg(browserPort)
                .arg((timeoutMs + 999) / 1000);
    }
    return std::nullopt;
}

#endif

} // namespace tarvel
