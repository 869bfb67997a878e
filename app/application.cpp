#include "application.h"

#include <QLibraryInfo>
#include <QLocale>

#include <exception>

ZunApplication::ZunApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    // The start window ends the program when it closes; no other window does.
    setQuitOnLastWindowClosed(false);
    // Without Debian's Qt translations the standard buttons stay in English.
    if (qt_texts_.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(&qt_texts_);
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
