// The trainer's entry point. The windows come with the program's spine; for now it opens the
// main window's frame so that the build and the start command can be checked end to end.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget main_window;
    main_window.setWindowTitle(QStringLiteral("Form_Main_ZUN"));
    main_window.setGeometry(0, 0, 1024, 760);
    main_window.show();
    return QApplication::exec();
}
