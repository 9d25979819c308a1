#include "documents/handover.h"

#include "foundation/base/progressstate.h"
#include "grid/memtable.h"
#include "grid/suspendedredraw.h"

namespace tarvel {

void handEach(const PickedDocuments &documents, MemTable &list, ProgressState &progress,
              const std::function<void(const PickedDocument &)> &work)
{
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
