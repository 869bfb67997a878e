// A class of thirty stations at the pace of a person, followed by an instructor's station: each
// station pushes its quarter second of the recorded hour (two lines) four times a second from a
// thread of its own, for a minute; the instructor's room, on this thread, reads the server on
// each announcement and every second, as its window does. Prints the time from a station's push
// to the room's replay holding its lines (median, 99th percentile), and how much the class's
// lines take on the server per station-hour. Disabled: run it with
// --gtest_also_run_disabled_tests and the test server started.
#include "instructor/class_room.h"
#include "store/station_link.h"
#include "tests/store/class_centre.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <iostream>
#include <memory>
#include <mutex>
#include <vector>

namespace {

constexpr int station_count = 30;
constexpr int pushes = 240; // a minute at four a second
constexpr int lines_per_push = 2;
constexpr std::chrono::milliseconds push_period{250};

// The bytes the class's lines take on the server, their index and their TOAST included.
qint64 lines_table_bytes(const HistoryConnection &connection)
{
    qint64 bytes = -1;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase("QPSQL", "class_room_bench");
        database.setHostName(connection.host);
        database.setDatabaseName(connection.database);
        database.setUserName(connection.user);
        if (database.open()) {
            QSqlQuery query(database);
            if (query.exec("SELECT pg_total_relation_size('class.lines')") && query.next())
                bytes = query.value(0).toLongLong();
        }
    }
    QSqlDatabase::removeDatabase("class_room_bench");
    return bytes;
}

// When each of a station's pushes returned, by the number of lines stored through it.
struct PushTimes {
    std::mutex mutex;
    std::vector<std::pair<int, qint64>> stored; // lines stored through, ms since the start
};

TEST(ClassRoomBench, DISABLED_ThirtyStationsAtAPersonsPaceFollowedByTheInstructor)
{
    const std::optional<TestServerAddress> server = shared_test_server();
    if (!server)
        GTEST_SKIP() << "no PostgreSQL test server: scripts/test.sh starts one";
    const ClassCentre centre(*server);
    const QStringList logins = centre.add_stations(station_count);
    ASSERT_EQ(logins.size(), station_count);
    const QList<QByteArray> hour = recorded_hour_lines();

    ClassRoom room(centre.connection_as(centre.instructor()));
    QTimer every_second;
    QObject::connect(&every_second, &QTimer::timeout, &room, &ClassRoom::refresh);
    every_second.start(std::chrono::seconds(1));
    room.refresh();

    QElapsedTimer clock;
    clock.start();
    std::vector<std::unique_ptr<SessionFile>> files;
    std::vector<std::unique_ptr<PushTimes>> times;
    std::vector<std::unique_ptr<QThread>> threads;
    for (int number = 0; number < station_count; ++number) {
        files.push_back(std::make_unique<SessionFile>(
            QStringLiteral("station%1.zs").arg(number),
            QStringLiteral("%1").arg(number, 32, 10, QLatin1Char('0'))));
        times.push_back(std::make_unique<PushTimes>());
        const HistoryConnection connection = centre.connection_as(logins[number]);
        threads.emplace_back(QThread::create([file = files.back().get(),
                                              pushed = times.back().get(), &hour, &clock,
                                              connection] {
            StationLink link(connection, {"pc", "account", "test", QDateTime::currentDateTime()});
            link.follow(file->session());
            qsizetype next = 0;
            for (int turn = 0; turn < pushes; ++turn) {
                const qint64 due = turn * push_period.count();
                QThread::msleep(
                    static_cast<unsigned long>(std::max<qint64>(0, due - clock.elapsed())));
                QByteArray batch;
                for (int line = 0; line < lines_per_push; ++line)
                    batch += hour[next++] + '\n';
                file->append(batch);
                link.push();
                const std::scoped_lock lock(pushed->mutex);
                pushed->stored.emplace_back(int(next), clock.elapsed());
            }
        }));
        threads.back()->start();
    }

    // Each time the room has read, the pushes its replays now hold have reached the row.
    std::vector<double> latencies;
    std::vector<std::size_t> seen(station_count, 0);
    QObject::connect(&room, &ClassRoom::changed, [&] {
        const qint64 now = clock.elapsed();
        for (int number = 0; number < station_count; ++number) {
            const auto replay = room.replay_of(logins[number]);
            if (!replay)
                continue;
            PushTimes &pushed = *times[static_cast<std::size_t>(number)];
            const std::scoped_lock lock(pushed.mutex);
            std::size_t &next = seen[static_cast<std::size_t>(number)];
            for (; next < pushed.stored.size() && pushed.stored[next].first <= replay->lines_fed();
                 ++next)
                latencies.push_back(static_cast<double>(now - pushed.stored[next].second));
        }
    });
    const std::size_t expected = std::size_t(station_count) * pushes;
    EXPECT_TRUE(QTest::qWaitFor([&] { return latencies.size() == expected; },
                                pushes * int(push_period.count()) + 30'000))
        << latencies.size() << " of " << expected;
    for (const std::unique_ptr<QThread> &thread : threads)
        thread->wait();

    const qint64 bytes = lines_table_bytes(centre.connection_as(centre.instructor()));
    const double station_hours =
        station_count * pushes * lines_per_push / static_cast<double>(hour.size());
    std::cout << "[ class room ] " << station_count << " stations, " << latencies.size()
              << " pushes of " << lines_per_push << " lines at " << push_period.count()
              << " ms: push to the instructor's row median " << percentile(latencies, 0.5)
              << " ms, 99th percentile " << percentile(latencies, 0.99) << " ms; class.lines "
              << bytes << " bytes for " << station_hours
              << " station-hours of lines: " << static_cast<double>(bytes) / station_hours / 1e6
              << " MB per station-hour\n";
}

} // namespace
