#include "dialogs/noticemessages.h"

#include "dialogs/messagebox.h"
#include "foundation/base/notices.h"

#include <QStringList>
#include <QTimer>

namespace tarvel {

void showNoticesInMessages()
{
    setNoticeSink([](const QString &text) {
        // A file read by every window that opens would otherwise be said
        // once per reading, and a dialog opened inside a reader could run a
        // second reading from its own event loop.
        static QStringList pending;
        if (pending.contains(text))
            return;
        pending << text;
        if (pending.size() > 1)
            return;
        QTimer::singleShot(0, [] {
            const QString all = pending.join(QLatin1Char('\n'));
            pending.clear();
            showmessage(all, Caption::Uyari, Icon::Warning, Buttons::Tamam);
        });
    });
}

} // namespace tarvel
