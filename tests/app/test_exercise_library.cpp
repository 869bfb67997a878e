// The instructors' library: snapshots and exercises kept in the shared history, so that two PCs
// see the same; files are imported into it, and stand in for it while it is away.
#include "app/exercise_library.h"
#include "app/history_service.h"
#include "sim/simulator.h"
#include "sim/snapshot.h"
#include "training/score.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QObject>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>

namespace {

// Lets the history's thread answer: its replies come through the event loop.
template <typename Done> void wait_for(const Done &done)
{
    EXPECT_TRUE(QTest::qWaitFor(done, 10'000));
}

class ExerciseLibraryTest : public testing::Test {
protected:
    void SetUp() override
    {
        settings.setValue("history/file", folder.filePath("history.sqlite"));
        std::filesystem::create_directories(shipped / "exercises");
        std::ofstream(shipped / "exercises" / "a.zex")
            << "name: Шаг три\nstart: step 3\ngoal: reach step 4 within 60 s\n";
        std::ofstream(shipped / "exercises" / "b.zex") << "name: без цели\nstart: step 3\n";
        std::ofstream(shipped / "exercises" / "k.zcourse")
            << "name: Курс\nexercise (pass 50): Шаг три\n";
    }

    std::optional<zun::Course> course(const ExerciseLibrary &library, const std::string &wanted)
    {
        std::optional<std::optional<zun::Course>> got;
        library.fetch_course(wanted, &receiver, [&got](auto chosen) { got = std::move(chosen); });
        wait_for([&got] { return got.has_value(); });
        return got.value_or(std::nullopt);
    }
    std::optional<std::string> save(const ExerciseLibrary &library, const zun::Exercise &exercise)
    {
        std::optional<std::string> refusal;
        library.save_exercise(exercise, &receiver,
                              [&refusal](const std::string &why) { refusal = why; });
        wait_for([&refusal] { return refusal.has_value(); });
        return refusal;
    }
    std::pair<int, std::string> export_into(const ExerciseLibrary &library,
                                            const std::filesystem::path &into)
    {
        std::optional<std::pair<int, std::string>> done;
        library.export_to(into, &receiver, [&done](int written, const std::string &problem) {
            done = std::pair{written, problem};
        });
        wait_for([&done] { return done.has_value(); });
        return done.value_or(std::pair{-1, std::string("no answer")});
    }

    std::vector<ExerciseLibrary::Entry> exercises(const ExerciseLibrary &library)
    {
        std::optional<std::vector<ExerciseLibrary::Entry>> got;
        library.fetch_exercises(&receiver, [&got](auto entries) { got = std::move(entries); });
        wait_for([&got] { return got.has_value(); });
        return got.value_or(std::vector<ExerciseLibrary::Entry>{});
    }
    std::optional<std::string> keep(const ExerciseLibrary &library, const std::string &name,
                                    const zun::LineModel &line)
    {
        std::optional<std::string> refusal;
        library.keep_snapshot(name, line, &receiver,
                              [&refusal](const std::string &why) { refusal = why; });
        wait_for([&refusal] { return refusal.has_value(); });
        return refusal;
    }

    const QTemporaryDir folder;
    const std::filesystem::path shipped = folder.filePath("data").toStdString();
    QSettings settings{folder.filePath("settings.ini"), QSettings::IniFormat};
    const zun::ReferenceTimes reference = zun::ReferenceTimes::human_pace();
    QObject receiver;
};

TEST_F(ExerciseLibraryTest, SnapshotsAndExercisesKeptInTheHistoryAreSeenFromAnotherPC)
{
    const zun::Simulator line;
    const QStringList places{QString::fromStdString(shipped.string())};
    {
        HistoryService history(settings, folder.filePath("pc1/sessions").toStdString(),
                               folder.filePath("unused.sqlite"), reference);
        const ExerciseLibrary first_pc(places, folder.filePath("pc1").toStdString(), &history);
        EXPECT_EQ(keep(first_pc, "перед резом", line.state()), "");
        EXPECT_EQ(keep(first_pc, "перед резом", line.state()),
                  "Снимок «перед резом» уже есть: выберите другое имя.");
        EXPECT_EQ(keep(first_pc, "../x", line.state()),
                  "Имя снимка не может быть пустым, начинаться с точки или содержать «/».");
        const std::vector<ExerciseLibrary::Entry> files = exercises(first_pc);
        ASSERT_EQ(files.size(), 2u);
        EXPECT_TRUE(files[0].read.exercise);
        EXPECT_EQ(files[1].read.error, "line 3: the exercise has no goal: line");
        std::optional<zun::StartState> start;
        first_pc.fetch_start(*files[0].read.exercise, &receiver,
                             [&start](zun::StartState state) { start = std::move(state); });
        wait_for([&start] { return start.has_value(); });
        ASSERT_TRUE(start && start->simulator) << (start ? start->error : "no answer");
    }
    std::filesystem::remove_all(shipped / "exercises");
    HistoryService history(settings, folder.filePath("pc2/sessions").toStdString(),
                           folder.filePath("unused.sqlite"), reference);
    const ExerciseLibrary second_pc(places, folder.filePath("pc2").toStdString(), &history);
    const std::vector<ExerciseLibrary::Entry> shared = exercises(second_pc);
    ASSERT_EQ(shared.size(), 1u);
    ASSERT_TRUE(shared[0].read.exercise);
    EXPECT_EQ(shared[0].read.exercise->name, "Шаг три");
    std::optional<zun::SnapshotFinder> find;
    second_pc.fetch_snapshots(&receiver, [&find](zun::SnapshotFinder found) { find = found; });
    wait_for([&find] { return find.has_value(); });
    ASSERT_TRUE(find);
    EXPECT_EQ((*find)("перед резом"), zun::write_snapshot(line.state()));
    EXPECT_FALSE((*find)("нет такого"));
}

// A course, and an exercise the instructor changed, are seen from another PC; the library's
// export holds each item once, the centre's before a file of the same name.
TEST_F(ExerciseLibraryTest, CoursesAndChangedExercisesAreSharedAndExported)
{
    const zun::Simulator line;
    const QStringList places{QString::fromStdString(shipped.string())};
    zun::Exercise changed = *zun::read_exercise("name: Шаг три\nstart: step 3\n"
                                                "goal: reach step 4 within 60 s\n")
                                 .exercise;
    changed.events.push_back({zun::AtTime{5'000}, zun::input::ClearFaults{}});
    {
        HistoryService history(settings, folder.filePath("pc1/sessions").toStdString(),
                               folder.filePath("unused.sqlite"), reference);
        const ExerciseLibrary first_pc(places, folder.filePath("pc1").toStdString(), &history);
        ASSERT_TRUE(course(first_pc, ""));
        EXPECT_EQ(course(first_pc, "")->items, (std::vector<zun::CourseItem>{{"Шаг три", 50}}));
        EXPECT_FALSE(course(first_pc, "Другой"));
        EXPECT_EQ(save(first_pc, changed), "");
        EXPECT_EQ(keep(first_pc, "снимок", line.state()), "");
    }
    std::filesystem::remove_all(shipped / "exercises");
    HistoryService history(settings, folder.filePath("pc2/sessions").toStdString(),
                           folder.filePath("unused.sqlite"), reference);
    const ExerciseLibrary second_pc(places, folder.filePath("pc2").toStdString(), &history);
    EXPECT_EQ(course(second_pc, "Курс")->name, "Курс");
    const std::vector<ExerciseLibrary::Entry> shared = exercises(second_pc);
    ASSERT_EQ(shared.size(), 1u);
    EXPECT_EQ(shared[0].read.exercise, changed);

    const std::filesystem::path into = folder.filePath("export").toStdString();
    EXPECT_EQ(export_into(second_pc, into), (std::pair<int, std::string>{3, ""}));
    for (const char *file : {"Шаг три.zex", "Курс.zcourse", "снимок.snapshot"})
        EXPECT_TRUE(std::filesystem::exists(into / file)) << file;
    std::ifstream exported(into / "Шаг три.zex");
    const std::string text{std::istreambuf_iterator<char>(exported), {}};
    EXPECT_EQ(zun::read_exercise(text).exercise, changed);
}

// Without a shared history the snapshots are the user's own files.
TEST_F(ExerciseLibraryTest, WithoutTheHistorySnapshotsAreFiles)
{
    const zun::Simulator line;
    const ExerciseLibrary alone({}, folder.filePath("own").toStdString());
    EXPECT_EQ(keep(alone, "старт", line.state()), "");
    EXPECT_TRUE(
        std::filesystem::exists(folder.filePath("own/snapshots/старт.snapshot").toStdString()));
    EXPECT_EQ(keep(alone, "старт", line.state()), "Снимок «старт» уже есть: выберите другое имя.");
    const zun::Exercise own = *zun::read_exercise("name: a/b\nstart: step 2\n"
                                                  "goal: reach step 3 within 60 s\n")
                                   .exercise;
    EXPECT_EQ(save(alone, own), "");
    const std::vector<ExerciseLibrary::Entry> files = alone.exercise_files();
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0].file.filename(), "a_b.zex");
    EXPECT_EQ(export_into(alone, folder.filePath("export").toStdString()).first, 2);
}

} // namespace
