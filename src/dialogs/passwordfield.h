#pragma once

class QLineEdit;

namespace tarvel {

// Makes field a password field that shows every character as "*", whatever
// the style's own mask character is.
void showAsStars(QLineEdit *field);

} // namespace tarvel
