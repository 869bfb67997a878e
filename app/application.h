#pragma once

#include "app/error_reporter.h"

#include <QApplication>
#include <QTranslator>

// The trainer's application object. An exception from any event handler stops at notify, is
// reported in the standard error box, and the message loop goes on.
class ZunApplication final : public QApplication {
    Q_OBJECT

public:
    ZunApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
    ErrorReporter &errors() { return errors_; }

    static ZunApplication *instance();

private:
    ErrorReporter errors_;
    QTranslator qt_texts_; // Qt's own buttons and dialogs in Russian, as the program's texts are
};

// The text an error box shows for the exception being handled; one that carries no message of
// ours shows an empty text.
QString current_exception_message();
