#include "foundation/base/notices.h"

#include <cstdio>

namespace tarvel {

namespace {

NoticeSink &sink()
{
    static NoticeSink instance;
    return instance;
}

} // namespace

void setNoticeSink(NoticeSink receiver)
{
    sink() = std::move(receiver);
}

void notice(const QString &text)
{
    if (const NoticeSink &receiver = sink()) {
        receiver(text);
        return;
    }
    const QByteArray line = text.toUtf8() + '\n';
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
    std::fflush(stderr);
}

} // namespace tarvel
