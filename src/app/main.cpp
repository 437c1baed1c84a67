#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvane"));
    QMainWindow window;
    window.setObjectName(QStringLiteral("windowMain"));
    window.setWindowTitle(QStringLiteral("Orvane"));
    window.resize(900, 600);
    window.show();
    return app.exec();
}
