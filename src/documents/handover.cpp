#include "documents/handover.h"

#include "foundation/base/progressstate.h"
#include "grid/memtable.h"
#include "grid/suspendedredraw.h"

#include <QSet>

namespace tarvel {

PickedDocuments eachOnce(const PickedDocuments &documents)
{
    PickedDocuments once;
    QSet<QString> seen;
    for (const PickedDocument &document : documents) {
        if (!seen.contains(document.ref)) {
            seen.insert(document.ref);
            once.append(document);
        }
    }
    return once;
}

void handEach(const PickedDocuments &picked, MemTable &list, ProgressState &progress,
              const std::function<void(const PickedDocument &)> &work)
{
    const PickedDocuments documents = eachOnce(picked);
    progress.setShowText(true);
    progress.setMax(int(documents.size()));
    list.close();
    list.open();
    const SuspendedRedraw suspended(list, [&progress, &list] {
        progress.reset();
        list.refresh();
    });
    int k = 0;
    for (const PickedDocument &document : documents) {
        progress.setValue(++k);
        work(document);
    }
}

} // namespace tarvel
