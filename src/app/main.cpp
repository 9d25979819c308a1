// The window program. It reads no arguments: everything comes from data.dbs
// and the side files in its directories.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow placeholder;
    placeholder.setWindowTitle(QStringLiteral("VELMOR TARVEL RAPORLAMA v2.30"));
    placeholder.show();
    return app.exec();
}
