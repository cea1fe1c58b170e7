#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QString());
    QApplication::setApplicationName(QStringLiteral("Trovanta 2.11"));
    QMainWindow w;
    w.setWindowTitle(QStringLiteral("Trovanta 2.11"));
    w.resize(795, 600);
    w.show();
    return app.exec();
}
