#pragma once

#include "runner/sim_runner.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <exception>
#include <functional>
#include <optional>
#include <thread>

// Runs `work` on a thread of its own while the windows' thread goes on serving the windows; when
// it takes longer than a moment, a dialog over `parent` shows how far the replay it runs has come
// (the virtual time reached of `length`) and offers to cancel it. `work` hands the progress it
// gets to its replay and must touch no window. Returns its result, or nothing when cancelled.
template <typename Result>
std::optional<Result> run_with_progress(QWidget *parent, const QString &label, zun::Millis length,
                                        const std::function<Result(SimRunner::Progress)> &work)
{
    constexpr int steps = 1000;
    constexpr int poll_ms = 50;
    std::atomic<zun::Millis> reached = 0;
    std::atomic<bool> cancelled = false;
    std::atomic<bool> done = false;
    std::optional<Result> result;
    std::exception_ptr failure;
    std::jthread worker([&] {
        try {
            result = work([&](zun::Millis time) {
                reached = time;
                return !cancelled;
            });
        } catch (...) {
            failure = std::current_exception();
        }
        done = true;
    });

    QProgressDialog dialog(label, QStringLiteral("отменить"), 0, steps, parent);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setMinimumDuration(500);
    dialog.setAutoReset(false);
    dialog.setAutoClose(false);
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(poll_ms);
    QObject::connect(&dialog, &QProgressDialog::canceled, &dialog, [&] { cancelled = true; });
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done) {
            loop.quit();
            return;
        }
        const double part = length > 0 ? double(reached) / double(length) : 0.0;
        dialog.setValue(std::clamp(int(part * steps), 0, steps - 1));
    });
    poll.start();
    if (!done)
        loop.exec();
    worker.join();
    if (failure)
        std::rethrow_exception(failure);
    if (cancelled)
        return std::nullopt;
    return result;
}
