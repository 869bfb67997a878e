// What opening a mirror on an hour of a station's session costs: the station's replay fed the
// recorded hour line by line, then a mirror built over its inputs and brought to its end, then
// going back ten minutes and on again. Prints the times. Disabled: run it with
// --gtest_also_run_disabled_tests.
#include "instructor/session_mirror.h"
#include "runner/station_replay.h"
#include "sim/state_hash.h"
#include "tests/store/class_centre.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>

#include <iostream>

namespace {

TEST(SessionMirrorBench, DISABLED_OpensOnAnHourOfSession)
{
    const QList<QByteArray> hour = recorded_hour_lines();
    StationReplay station;
    QElapsedTimer clock;
    clock.start();
    for (const QByteArray &line : hour)
        station.feed(line.toStdString());
    ASSERT_FALSE(station.failure()) << *station.failure();
    const qint64 fed = clock.restart();

    SessionMirror mirror(station.header().start, station.inputs(), QStringLiteral("st1"));
    mirror.show_at(station.time());
    const qint64 opened = clock.restart();
    EXPECT_EQ(zun::state_hash(mirror.forms().sim()),
              zun::state_hash(station.replay().runner().sim()));

    mirror.show_at(station.time() - 600'000);
    const qint64 back = clock.restart();
    mirror.show_at(station.time());
    const qint64 on = clock.restart();
    std::cout << "an hour of session (" << station.lines_fed() << " lines, "
              << station.time() / 1000 << " s): station replay " << fed << " ms, mirror opened "
              << opened << " ms, back 10 min " << back << " ms, on to the end " << on << " ms\n";
}

} // namespace
