#pragma once

#include "documents/pickeddocument.h"

#include <functional>

namespace tarvel {

class MemTable;
class ProgressState;

// The documents in the order given, each reference once (its first
// occurrence): a document counted twice would double its lines.
PickedDocuments eachOnce(const PickedDocuments &documents);

// The frame of a hand-over into a report's list: the progress bar shows its
// text and counts 1..n, the list is emptied and its redrawing suspended, and
// work runs once per document (eachOnce) in the order given. However it ends - a
// throwing work included, which ends it there - the bar is back at 0 and the
// list is shown again with the rows added so far.
void handEach(const PickedDocuments &documents, MemTable &list, ProgressState &progress,
              const std::function<void(const PickedDocument &)> &work);

} // namespace tarvel
