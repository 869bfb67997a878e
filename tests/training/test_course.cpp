// A course's text read and written, and a trainee's progress through it.
#include "training/course.h"
#include "training/exercise.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace zun {
namespace {

TEST(CourseText, ReadsItsExercisesInOrderAndWritesTheSameCourseBack)
{
    const ReadCourse read = read_course("# a comment\nname: Курс\n\n"
                                        "exercise (pass 50): Экзамен: шаги 1–20\n"
                                        "exercise (pass 0): Второе\n");
    ASSERT_TRUE(read.course) << read.error;
    EXPECT_EQ(read.course->name, "Курс");
    const std::vector<CourseItem> items{{"Экзамен: шаги 1–20", 50}, {"Второе", 0}};
    EXPECT_EQ(read.course->items, items);
    const ReadCourse again = read_course(course_text(*read.course));
    ASSERT_TRUE(again.course) << again.error;
    EXPECT_EQ(*again.course, *read.course);
}

TEST(CourseText, NamesTheLineToBlame)
{
    const struct {
        const char *text;
        const char *error;
    } cases[] = {
        {"name: a\nexercise: b\n", "line 2: expected exercise (pass N): NAME, not 'exercise'"},
        {"name: a\nexercise (pass 101): b\n", "line 2: "},
        {"name: a\nexercise (pass x): b\n", "line 2: "},
        {"name: a\nexercise (pass 5):\n", "line 2: the exercise has no name"},
        {"name: a\nname: b\n", "line 2: a second name: line"},
        {"name: a\nlevel: 3\n", "line 2: unknown line 'level'"},
        {"name: a\n", "line 2: the course has no exercise (pass N): line"},
        {"exercise (pass 5): b\n", "line 2: the course has no name: line"},
    };
    for (const auto &bad : cases) {
        const ReadCourse read = read_course(bad.text);
        EXPECT_FALSE(read.course) << bad.text;
        EXPECT_TRUE(read.error.starts_with(bad.error)) << bad.text << " -> " << read.error;
    }
}

TEST(CourseProgress, PassesAnExerciseOnlyWithTheGoalReachedAtTheCoursesPassMark)
{
    const Course course{"Курс", {}, {{"A", 50}, {"B", 60}, {"C", 0}}};
    const std::vector<CourseAttempt> attempts{
        {"A", 40, true},            // goal reached, score under the mark
        {"A", 70, false},           // the best score, goal missed
        {"B", 60, true},            // at the mark: passed
        {"B", std::nullopt, false}, // an attempt without a score still counts
        {"Other", 100, true},
    };
    const std::vector<ItemProgress> progress = course_progress(course, attempts);
    const std::vector<ItemProgress> expected{
        {2, 70, false}, {2, 60, true}, {0, std::nullopt, false}};
    EXPECT_EQ(progress, expected);
    EXPECT_EQ(next_item(progress), 0U);
    EXPECT_EQ(progress_words_ru(progress[0]), "не пройдено");
    EXPECT_EQ(progress_words_ru(progress[1]), "пройдено");
    EXPECT_EQ(progress_words_ru(progress[2]), "не начато");

    const std::vector<CourseAttempt> later{{"A", 55, true}, {"C", 0, true}};
    EXPECT_EQ(next_item(course_progress(course, later)), 1U);
    const std::vector<CourseAttempt> all{{"A", 55, true}, {"B", 90, true}, {"C", 0, true}};
    EXPECT_EQ(next_item(course_progress(course, all)), std::nullopt);
}

std::string file_text(const std::filesystem::path &file)
{
    std::ifstream in(file);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The shipped course names only exercises the trainer ships.
TEST(CourseText, TheShippedCourseNamesShippedExercises)
{
    std::set<std::string> shipped;
    for (const auto &entry : std::filesystem::directory_iterator(ZUN_EXERCISES_DIR))
        if (entry.path().extension() == ".zex")
            shipped.insert(read_exercise(file_text(entry.path())).exercise->name);
    const ReadCourse course =
        read_course(file_text(std::filesystem::path(ZUN_EXERCISES_DIR) / "basic_course.zcourse"));
    ASSERT_TRUE(course.course) << course.error;
    for (const CourseItem &item : course.course->items)
        EXPECT_TRUE(shipped.contains(item.exercise)) << item.exercise;
}

} // namespace
} // namespace zun
