#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

// Shows the errors that reach the message loop, one box at a time. A box runs a nested loop in
// which the same failing handler may fail again, so reports are queued, an error already waiting
// is not queued twice, and boxes follow one another from the loop, never from inside a handler.
class ErrorReporter final : public QObject {
    Q_OBJECT

public:
    // Shows one error and returns when it is answered.
    using Presenter = std::function<void(const QString &message)>;

    explicit ErrorReporter(QObject *parent = nullptr);

    void report(const QString &message);
    void set_presenter(Presenter presenter) { presenter_ = std::move(presenter); }

    // The standard error box of the program.
    static void show_error_box(const QString &message);

private:
    void present_waiting();

    Presenter presenter_;
    QStringList waiting_;
    bool presenting_ = false;
};
