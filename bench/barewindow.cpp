// The yardstick for start-up: a bare Qt window showing one line of text.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QLabel label(QStringLiteral("Physics Year 10"));
    label.resize(800, 600);
    label.show();
    return application.exec();
}
