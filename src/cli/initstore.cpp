// tarvel-report init-store [DIR]: a fresh data.dbs for a new installation or a
// test, every setting empty. An existing data.dbs is never overwritten: it
// holds the connection settings and the settings password.
#include "cli.h"
#include "foundation/base/errors.h"
#include "foundation/store/localstore.h"

#include <QDir>
#include <QFileInfo>

namespace tarvel::cli {

int initStoreCommand(Context &context)
{
    // An option here would become a folder of that name.
    if (context.args.size() > 1 ||
        (!context.args.isEmpty() && context.args.first().startsWith(QLatin1Char('-')))) {
        context.err << "usage: tarvel-report init-store [DIR]\n";
        return 2;
    }
    const QString directory = context.args.isEmpty() ? context.storeDir : context.args.first();
    if (!QDir().mkpath(directory)) {
        context.err << "tarvel-report: cannot create directory " << directory << "\n";
        return 1;
    }
    const QString path = storePath(QFileInfo(directory).absoluteFilePath());
    if (QFileInfo::exists(path)) {
        context.err << "tarvel-report: " << path << " already exists, left as it is\n";
        return 1;
    }
    try {
        createStore(path, StoreContents());
    } catch (const StoreError &e) {
        context.err << "tarvel-report: " << e.description() << "\n";
        return 1;
    }
    context.out << path << "\n";
    return 0;
}

} // namespace tarvel::cli
