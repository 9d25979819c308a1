#pragma once

namespace tarvel {

// The window program's notices (foundation/base/notices.h) in its message
// dialog: those that come while the program works are gathered and shown
// together, once each, as soon as the work returns to the event loop.
void showNoticesInMessages();

} // namespace tarvel
