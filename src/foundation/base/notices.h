#pragma once

#include <QString>
#include <functional>

namespace tarvel {

// What a reader or a run met and worked around without stopping (a side file
// that is no regular file, an amount that is no number): said to the user,
// while the work goes on. By default each notice is a line on stderr (the
// command line); the window program shows them in its message box instead.
void notice(const QString &text);

// Takes the notices instead of stderr; an empty function brings stderr back.
using NoticeSink = std::function<void(const QString &text)>;
void setNoticeSink(NoticeSink sink);

} // namespace tarvel
