#include "error_reporter.h"

#include <QMessageBox>

ErrorReporter::ErrorReporter(QObject *parent) : QObject(parent), presenter_(&show_error_box) {}

void ErrorReporter::report(const QString &message)
{
    if (waiting_.contains(message))
        return;
    waiting_.append(message);
    if (!presenting_ && waiting_.size() == 1)
        QMetaObject::invokeMethod(this, &ErrorReporter::present_waiting, Qt::QueuedConnection);
}

void ErrorReporter::present_waiting()
{
    if (presenting_)
        return;
    presenting_ = true;
    while (!waiting_.isEmpty()) {
        const QString message = waiting_.first();
        presenter_(message);
        waiting_.removeFirst();
    }
    presenting_ = false;
}

void ErrorReporter::show_error_box(const QString &message)
{
    QMessageBox::critical(nullptr, QStringLiteral("Project_ZUN"), message);
}
