#include "application.h"

#include <exception>

ZunApplication::ZunApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    // The start window ends the program when it closes; no other window does.
    setQuitOnLastWindowClosed(false);
}

bool ZunApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        errors_.report(current_exception_message());
    }
    return false;
}

ZunApplication *ZunApplication::instance()
{
    return qobject_cast<ZunApplication *>(QCoreApplication::instance());
}

QString current_exception_message()
{
    try {
        throw;
    } catch (const std::exception &error) {
        return QString::fromUtf8(error.what());
    } catch (...) {
        return QString();
    }
}
