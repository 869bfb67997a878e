#include "store/class_view.h"
#include "store/history_error.h"
#include "store/station_link.h"
#include "tests/store/class_centre.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include <algorithm>
#include <memory>

namespace {

StationIdentity identity(const QString &pc)
{
    return {pc, "ivanov", "1.4.0", QDateTime::fromString("2026-12-11T09:00:00Z", Qt::ISODate)};
}

QStringList texts_of(const std::vector<ClassLine> &lines)
{
    QStringList texts;
    for (const ClassLine &line : lines)
        texts << line.line;
    return texts;
}

class ClassViewTest : public ClassCentreTest {
protected:
    void SetUp() override
    {
        ClassCentreTest::SetUp();
        if (IsSkipped())
            return;
        view_ = std::make_unique<ClassView>(centre_->connection_as(centre_->instructor()));
    }

    std::unique_ptr<StationLink> streaming(const QString &login, const SessionFile &file,
                                           const QString &pc) const
    {
        auto link = std::make_unique<StationLink>(centre_->connection_as(login), identity(pc));
        link->follow(file.session());
        return link;
    }

    std::unique_ptr<ClassView> view_;
    SessionFile file_a_{"a.zs", "5f0c2a9e41d84b7c9a3e0d1f6b2c8e47"};
    SessionFile file_b_{"b.zs", "0d1f6b2c8e475f0c2a9e41d84b7c9a3e"};
};

TEST_F(ClassViewTest, SeesEveryStationsRowAndLines)
{
    file_a_.append("# trainee: Пётр Иванов\nmode 0\nadvance 250\nfwd 1\n");
    file_b_.append("# trainee: Пётр Иванов\nlesson exam\n");
    const auto link_a = streaming(centre_->station_a(), file_a_, "pc-07");
    const auto link_b = streaming(centre_->station_b(), file_b_, "pc-08");
    ASSERT_EQ(link_a->push(), 4);
    ASSERT_EQ(link_b->push(), 2);

    const std::vector<ClassStation> stations = view_->stations();
    ASSERT_EQ(stations.size(), 2u);
    const auto row_of = [&](const QString &login) {
        const auto found = std::ranges::find(stations, login, &ClassStation::login);
        EXPECT_NE(found, stations.end()) << login.toStdString();
        return found == stations.end() ? ClassStation{} : *found;
    };
    const ClassStation a = row_of(centre_->station_a());
    EXPECT_EQ(a.pc, "pc-07");
    EXPECT_EQ(a.account, "ivanov");
    EXPECT_EQ(a.program_version, "1.4.0");
    EXPECT_EQ(a.started, identity("pc-07").started);
    EXPECT_EQ(a.trainee, "Пётр Иванов");
    EXPECT_EQ(a.session, file_a_.session().id);
    EXPECT_TRUE(a.last_seen.isValid());
    EXPECT_GE(a.silent_ms, 0);
    EXPECT_LT(a.silent_ms, 60'000);
    EXPECT_FALSE(a.lesson);
    EXPECT_EQ(row_of(centre_->station_b()).pc, "pc-08");

    struct Case {
        int after;
        QStringList expected;
    };
    const QStringList all = file_a_.complete_lines();
    for (const Case &c : {Case{0, all}, Case{2, all.mid(2)}, Case{4, {}}}) {
        const std::vector<ClassLine> lines =
            view_->lines_after(centre_->station_a(), file_a_.session().id, c.after);
        EXPECT_EQ(texts_of(lines), c.expected) << "after " << c.after;
        if (!lines.empty()) {
            EXPECT_EQ(lines.front().seq, c.after + 1);
        }
    }
    EXPECT_EQ(texts_of(view_->lines_after(centre_->station_b(), file_b_.session().id, 0)),
              file_b_.complete_lines());
}

TEST_F(ClassViewTest, ACommandReachesTheStationsItIsAddressedToAndTheirAnswersComeBack)
{
    const auto link_a = streaming(centre_->station_a(), file_a_, "pc-07");
    const auto link_b = streaming(centre_->station_b(), file_b_, "pc-08");
    struct Case {
        QString line;
        std::optional<QString> to;
        bool reaches_b;
    };
    for (const Case &c : {Case{"fault 1 drive on", centre_->station_a(), false},
                          Case{"lesson exam", std::nullopt, true}}) {
        const qint64 id = view_->send(c.line, c.to);
        const std::vector<ClassCommand> at_a = link_a->unconfirmed_commands();
        ASSERT_EQ(at_a.size(), 1u) << c.line.toStdString();
        EXPECT_EQ(at_a.front().id, id);
        EXPECT_EQ(at_a.front().line, c.line);
        EXPECT_EQ(link_b->unconfirmed_commands().size(), c.reaches_b ? 1u : 0u);
        EXPECT_TRUE(view_->answers(id).empty());

        ASSERT_TRUE(link_a->confirm(id, "принято"));
        if (c.reaches_b) {
            ASSERT_TRUE(link_b->confirm(id, "отклонено: идёт повтор"));
        }
        const std::vector<ClassAnswer> answers = view_->answers(id);
        ASSERT_EQ(answers.size(), c.reaches_b ? 2u : 1u);
        const auto a = std::ranges::find(answers, centre_->station_a(), &ClassAnswer::station);
        ASSERT_NE(a, answers.end());
        EXPECT_EQ(a->answer, "принято");
        EXPECT_TRUE(a->confirmed_at.isValid());
    }
}

TEST_F(ClassViewTest, TheLessonSetIsTheStations)
{
    const auto link_a = streaming(centre_->station_a(), file_a_, "pc-07");
    ASSERT_EQ(link_a->push(), 0); // the station's row
    for (const ClassLesson lesson : {ClassLesson::Exam, ClassLesson::Training, ClassLesson::Exam}) {
        view_->set_lesson(centre_->station_a(), lesson);
        EXPECT_EQ(link_a->lesson(), lesson);
        EXPECT_EQ(view_->stations().front().lesson, lesson);
    }
}

TEST_F(ClassViewTest, AnnouncesTheLinesAStationStores)
{
    view_->open();
    QSignalSpy announced(view_.get(), &ClassView::lines_announced);
    const auto link_a = streaming(centre_->station_a(), file_a_, "pc-07");
    file_a_.append("# trainee: Пётр Иванов\nmode 0\nadvance 250\n");
    ASSERT_EQ(link_a->push(), 3);
    ASSERT_TRUE(announced.wait(10'000));
    const auto notice = announced.first().first().value<LinesNotice>();
    EXPECT_EQ(notice.station, centre_->station_a());
    EXPECT_EQ(notice.session, file_a_.session().id);
    EXPECT_EQ(notice.seq, 3);
}

TEST_F(ClassViewTest, ConnectsAgainAfterTheServerDroppedIt)
{
    view_->open();
    // An instructor may end its own sessions: as a restarted server would.
    const SqlOutcome ended = centre_->run_as(
        centre_->instructor(),
        QStringLiteral("SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE usename = '%1'"
                       " AND pid <> pg_backend_pid()")
            .arg(centre_->instructor()));
    ASSERT_TRUE(ended.done) << ended.error.toStdString();
    ASSERT_EQ(ended.rows, 1);
    EXPECT_THROW(view_->stations(), HistoryError);
    EXPECT_FALSE(view_->is_open());
    EXPECT_NO_THROW(view_->stations());

    QSignalSpy announced(view_.get(), &ClassView::lines_announced);
    const auto link_a = streaming(centre_->station_a(), file_a_, "pc-07");
    file_a_.append("mode 0\n");
    ASSERT_EQ(link_a->push(), 1);
    EXPECT_TRUE(announced.wait(10'000)) << "it listens again on its new connection";
}

TEST(ClassViewRefusal, AHistoryInSQLiteHasNoClass)
{
    EXPECT_THROW(ClassView(HistoryConnection{}), HistoryError);
}

TEST(LinesNoticeParsing, ReadsTheTriggersPayloadAndNothingElse)
{
    struct Case {
        QString payload;
        std::optional<int> seq;
    };
    for (const Case &c : {Case{R"({"station" : "s1", "session" : "abc", "seq" : 12})", 12},
                          Case{R"({"station": "s1", "session": "abc"})", std::nullopt},
                          Case{R"({"station": "s1", "session": "abc", "seq": 0})", std::nullopt},
                          Case{R"({"station": 5, "session": "abc", "seq": 3})", std::nullopt},
                          Case{"not json", std::nullopt}, Case{"", std::nullopt}}) {
        const std::optional<LinesNotice> notice = parse_lines_notice(c.payload);
        ASSERT_EQ(notice.has_value(), c.seq.has_value()) << c.payload.toStdString();
        if (notice) {
            EXPECT_EQ(notice->seq, *c.seq);
            EXPECT_EQ(notice->station, "s1");
            EXPECT_EQ(notice->session, "abc");
        }
    }
}

} // namespace
