#include "tests/store/class_centre.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>

namespace {

struct StationRun {
    int exit_code = -1;
    QString output;
    QString errors;
};

// zun-sim as one of a class's stations: its session in its sessions folder, stored in the class
// line for line.
class ClassStationTest : public ClassCentreTest {
protected:
    StationRun run_station(const QString &script, double pace) const
    {
        const HistoryConnection connection = centre_->connection_as(centre_->station_a());
        QSettings settings(home_.filePath("config/zun-trainer/zun-trainer.conf"),
                           QSettings::IniFormat);
        settings.setValue("history/engine", "postgresql");
        settings.setValue("history/host", connection.host);
        settings.setValue("history/database", connection.database);
        settings.setValue("history/user", connection.user);
        settings.sync();
        QFile file(home_.filePath("script.zs"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(script.toUtf8());
        file.close();

        QProcess station;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", home_.filePath("config"));
        environment.insert("XDG_DATA_HOME", home_.filePath("data"));
        station.setProcessEnvironment(environment);
        station.start(QStringLiteral(ZUN_SIM),
                      {"--station", QString::number(pace), home_.filePath("script.zs")});
        EXPECT_TRUE(station.waitForFinished(60'000));
        return {station.exitCode(), QString::fromUtf8(station.readAllStandardOutput()),
                QString::fromUtf8(station.readAllStandardError())};
    }
    QStringList session_files() const
    {
        return QDir(home_.filePath("data/zun-trainer/sessions")).entryList({"*.zs"}, QDir::Files);
    }
    QStringList lines_of_file(const QString &name) const
    {
        QFile file(home_.filePath("data/zun-trainer/sessions/" + name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
        lines.removeLast();
        return lines;
    }

    QTemporaryDir home_;
};

TEST_F(ClassStationTest, PlaysItsScriptAsAStationOfTheClass)
{
    // Four seconds of the line at forty times a person's pace.
    const StationRun station = run_station("mode 0\nadvance 1500\nnewcoil\nadvance 2500\n", 40);
    EXPECT_EQ(station.exit_code, 0) << station.errors.toStdString();
    ASSERT_EQ(session_files().size(), 1);
    const QStringList lines = lines_of_file(session_files().front());
    const QString id = lines.filter(QRegularExpression("^# id: ")).value(0).mid(6);
    ASSERT_FALSE(id.isEmpty());
    EXPECT_EQ(centre_->lines_of(centre_->station_a(), id), lines);
    EXPECT_TRUE(lines.last().startsWith("# end hash="));
    EXPECT_TRUE(station.output.contains(id)) << station.output.toStdString();
}

TEST_F(ClassStationTest, StopsAtABadLineWithItsNumber)
{
    const StationRun station = run_station("mode 0\njump 3\n", 40);
    EXPECT_EQ(station.exit_code, 2);
    EXPECT_TRUE(station.errors.startsWith("line 2: ")) << station.errors.toStdString();
}

} // namespace
