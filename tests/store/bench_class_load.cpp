// A class of thirty stations streaming at once: each appends an hour of recorded lines to its
// session file in the batches a station sends every quarter second, and pushes after each; then
// each catches up what is left of the hour in one push, as a station does after the server was
// away. Prints the pushes' latencies and throughput; checks that every station's stored lines
// equal its file. Disabled: run it with --gtest_also_run_disabled_tests.
#include "store/station_link.h"
#include "tests/store/class_centre.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QThread>

#include <algorithm>
#include <iostream>
#include <memory>
#include <numeric>
#include <vector>

namespace {

constexpr int station_count = 30;
constexpr int steady_pushes = 200;
// The recorded hour holds 20,856 lines in 3,669 s: 1.4 lines a quarter second.
constexpr int lines_per_push = 2;

TEST(ClassLoad, DISABLED_ThirtyStationsStreamAnHourAtOnce)
{
    const std::optional<TestServerAddress> server = shared_test_server();
    if (!server)
        GTEST_SKIP() << "no PostgreSQL test server: scripts/test.sh starts one";
    const ClassCentre centre(*server);
    const QStringList logins = centre.add_stations(station_count);
    ASSERT_EQ(logins.size(), station_count);
    const QList<QByteArray> hour = recorded_hour_lines();

    struct Station {
        std::unique_ptr<SessionFile> file;
        std::vector<double> steady_ms;
        qint64 steady_done_ms = 0; // since all began
        double catch_up_ms = 0;
    };
    std::vector<Station> stations(station_count);
    std::vector<std::unique_ptr<QThread>> threads;
    QElapsedTimer whole;
    whole.start();
    for (int number = 0; number < station_count; ++number) {
        Station &station = stations[static_cast<std::size_t>(number)];
        station.file = std::make_unique<SessionFile>(
            QStringLiteral("station%1.zs").arg(number),
            QStringLiteral("%1").arg(number, 32, 10, QLatin1Char('0')));
        const HistoryConnection connection = centre.connection_as(logins[number]);
        threads.emplace_back(QThread::create([&station, &hour, &whole, connection] {
            StationLink link(connection, {"pc", "account", "test", QDateTime::currentDateTime()});
            link.follow(station.file->session());
            qsizetype next = 0;
            QElapsedTimer push;
            for (int turn = 0; turn < steady_pushes; ++turn) {
                QByteArray batch;
                for (int line = 0; line < lines_per_push; ++line)
                    batch += hour[next++] + '\n';
                station.file->append(batch);
                push.start();
                link.push();
                station.steady_ms.push_back(static_cast<double>(push.nsecsElapsed()) / 1e6);
            }
            station.steady_done_ms = whole.elapsed();
            QByteArray rest;
            for (; next < hour.size(); ++next)
                rest += hour[next] + '\n';
            station.file->append(rest);
            push.start();
            link.push();
            station.catch_up_ms = static_cast<double>(push.nsecsElapsed()) / 1e6;
        }));
        threads.back()->start();
    }
    for (const std::unique_ptr<QThread> &thread : threads)
        thread->wait();
    const double whole_s = static_cast<double>(whole.elapsed()) / 1000;

    std::vector<double> steady;
    std::vector<double> catch_up;
    qint64 steady_s_ms = 0;
    for (int number = 0; number < station_count; ++number) {
        const Station &station = stations[static_cast<std::size_t>(number)];
        steady.insert(steady.end(), station.steady_ms.begin(), station.steady_ms.end());
        catch_up.push_back(station.catch_up_ms);
        steady_s_ms = std::max(steady_s_ms, station.steady_done_ms);
        EXPECT_EQ(centre.lines_of(logins[number], station.file->session().id),
                  station.file->complete_lines())
            << logins[number].toStdString();
    }
    std::cout << "[ class load ] " << station_count << " stations, " << steady.size()
              << " pushes of " << lines_per_push << " lines at once in " << steady_s_ms
              << " ms: median " << percentile(steady, 0.5) << " ms, 99th percentile "
              << percentile(steady, 0.99) << " ms; each then catches up "
              << hour.size() - steady_pushes * lines_per_push << " lines in one push: median "
              << percentile(catch_up, 0.5) << " ms, longest " << percentile(catch_up, 1) << " ms; "
              << station_count * hour.size() << " lines stored in " << whole_s << " s\n";
}

} // namespace
