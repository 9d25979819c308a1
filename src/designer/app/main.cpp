// The layout designer VelmorEtiket. Started by the main window's menu
// "Ayarlar -> Yazdırma Tasarımı" in the program folder, it opens the layout
// in use; a layout's path as the one argument opens that one instead.
#include "designer/ui/designerwindow.h"
#include "foundation/base/apppaths.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace tarvel;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VelmorEtiket"));
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    // Qt's own dialogs (file, colour, print preview) in Turkish where the
    // translations are installed.
    QTranslator qtTurkish;
    if (qtTurkish.load(QLocale(QLocale::Turkish, QLocale::Turkey), QStringLiteral("qtbase"),
                       QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTurkish);

    // As the window program: Tsrm/ in the program folder, data.dbs and the
    // side files in the folder it is started in.
    const AppPaths paths{QCoreApplication::applicationDirPath(), QDir::currentPath()};
    DesignerWindow window(paths);
    window.show();
    const QStringList args = QCoreApplication::arguments();
    if (args.size() > 1)
        window.openLayout(QFileInfo(args.at(1)).absoluteFilePath());
    else
        window.openLayoutInUse();
    return app.exec();
}
