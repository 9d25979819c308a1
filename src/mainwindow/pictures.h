#pragma once

#include <QIcon>
#include <QPixmap>

namespace tarvel {

// The program's pictures, drawn rather than shipped as files: a database drum,
// with an unplugged cable and a red cross when there is no connection.
QPixmap databasePicture(int size, bool unplugged);

// The window icon of the program's windows.
QIcon programIcon();

} // namespace tarvel
