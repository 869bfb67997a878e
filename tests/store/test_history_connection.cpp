#include "store/history_connection.h"
#include "store/history_error.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

namespace {

TEST(HistoryConnection, ComesFromTheSettingsAndRefusesNonsense)
{
    const QTemporaryDir folder;
    struct Case {
        QList<std::pair<QString, QString>> values;
        std::optional<QString> described; // none: refused
    };
    const Case cases[] = {
        {{}, "SQLite /data/history.sqlite"},
        {{{"engine", "PostgreSQL"}, {"host", "db.centre"}, {"user", "instructor"}},
         "PostgreSQL instructor@db.centre:5432/zun_trainer"},
        {{{"engine", "postgresql"}, {"port", "6543"}, {"database", "zun"}, {"user", "u"}},
         "PostgreSQL u@localhost:6543/zun"},
        {{{"engine", "oracle"}}, std::nullopt},
        {{{"engine", "postgresql"}, {"port", "70000"}}, std::nullopt},
        {{{"engine", "postgresql"}, {"port", "five"}}, std::nullopt},
    };
    int number = 0;
    for (const Case &c : cases) {
        QSettings settings(folder.filePath(QString::number(++number) + ".ini"),
                           QSettings::IniFormat);
        for (const auto &[key, value] : c.values)
            settings.setValue("history/" + key, value);
        try {
            const HistoryConnection connection =
                history_connection(settings, "/data/history.sqlite");
            EXPECT_EQ(connection.describe(), c.described) << number;
        } catch (const HistoryError &error) {
            EXPECT_FALSE(c.described) << number << ": " << error.what();
        }
    }
}

} // namespace
