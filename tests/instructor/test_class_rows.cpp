#include "instructor/class_rows.h"

#include <gtest/gtest.h>

namespace {

QString cell(const QStringList &texts, ClassColumn column)
{
    return texts.value(static_cast<int>(column));
}

ClassRow row_with_progress()
{
    ClassRow row{.station = {.login = "station_a", .pc = "pc-07", .trainee = "из строки станции"},
                 .on_line = true};
    row.progress = SessionProgress{.trainee = "Пётр Иванов",
                                   .exercise = "Заправка",
                                   .exam = false,
                                   .stage = 5,
                                   .in_stage = 125'400,
                                   .score = 87,
                                   .refusals = 2,
                                   .out_of_sequence = 3,
                                   .faults = {{1, "Разматыватель", zun::FaultKind::Drive}}};
    return row;
}

TEST(ClassRows, EveryColumnHasATitleAndEveryRowATextForIt)
{
    EXPECT_EQ(class_column_titles().size(), class_column_count);
    EXPECT_EQ(class_row_texts(ClassRow{}, std::nullopt).size(), class_column_count);
    EXPECT_EQ(class_row_texts(row_with_progress(), std::nullopt).size(), class_column_count);
}

TEST(ClassRows, ShowTheSessionsProgress)
{
    const QStringList texts = class_row_texts(row_with_progress(), std::nullopt);
    EXPECT_EQ(cell(texts, ClassColumn::Station), "station_a");
    EXPECT_EQ(cell(texts, ClassColumn::Pc), "pc-07");
    EXPECT_EQ(cell(texts, ClassColumn::Trainee), "Пётр Иванов") << "the session's header first";
    EXPECT_EQ(cell(texts, ClassColumn::Lesson), "обучение");
    EXPECT_EQ(cell(texts, ClassColumn::Exercise), "Заправка");
    EXPECT_EQ(cell(texts, ClassColumn::Step), "5");
    EXPECT_EQ(cell(texts, ClassColumn::TimeInStep), "2:05");
    EXPECT_EQ(cell(texts, ClassColumn::Score), "87");
    EXPECT_EQ(cell(texts, ClassColumn::Refusals), "2");
    EXPECT_EQ(cell(texts, ClassColumn::OutOfSequence), "3");
    EXPECT_EQ(cell(texts, ClassColumn::Faults), "Разматыватель: привод не включается");
    EXPECT_EQ(cell(texts, ClassColumn::Connection), "на связи");
    EXPECT_EQ(cell(texts, ClassColumn::Command), "");
}

TEST(ClassRows, AStationWithoutLinesShowsItsRowOnly)
{
    const ClassRow row{.station = {.login = "station_b", .trainee = "Анна Петрова"}};
    const QStringList texts = class_row_texts(row, std::nullopt);
    EXPECT_EQ(cell(texts, ClassColumn::Trainee), "Анна Петрова");
    EXPECT_EQ(cell(texts, ClassColumn::Step), "");
    EXPECT_EQ(cell(texts, ClassColumn::Score), "");
    EXPECT_EQ(cell(texts, ClassColumn::Connection), "нет связи");
}

TEST(ClassRows, TheLessonSaysWhatTheInstructorSetUntilTheStationTakesIt)
{
    struct Case {
        bool running_exam;
        std::optional<ClassLesson> set;
        QString shown;
    };
    for (const Case &c :
         {Case{false, std::nullopt, "обучение"}, Case{false, ClassLesson::Training, "обучение"},
          Case{false, ClassLesson::Exam, "обучение (назначено: экзамен)"},
          Case{true, ClassLesson::Exam, "экзамен"},
          Case{true, ClassLesson::Training, "экзамен (назначено: обучение)"}}) {
        ClassRow row = row_with_progress();
        row.progress->exam = c.running_exam;
        row.station.lesson = c.set;
        EXPECT_EQ(cell(class_row_texts(row, std::nullopt), ClassColumn::Lesson), c.shown);
    }
}

TEST(ClassRows, TheCommandColumnFollowsTheLastCommandsAnswer)
{
    const SentCommand sent{7, "lesson exam", std::nullopt};
    struct Case {
        std::optional<std::optional<QString>> answer;
        QString shown;
    };
    for (const Case &c :
         {Case{std::nullopt, ""}, Case{std::optional<QString>{}, "lesson exam: ждёт подтверждения"},
          Case{QString("принято"), "lesson exam: принято"}}) {
        ClassRow row = row_with_progress();
        row.last_answer = c.answer;
        EXPECT_EQ(cell(class_row_texts(row, sent), ClassColumn::Command), c.shown);
    }
}

TEST(ClassRows, AStoppedReplaySaysSoBesideTheStep)
{
    ClassRow row = row_with_progress();
    row.replay_failure = "line 9: unknown command";
    EXPECT_EQ(cell(class_row_texts(row, std::nullopt), ClassColumn::Step), "5 (повтор остановлен)");
}

TEST(ClassRows, TheStationsDetailsNameItsAccountVersionAndTimes)
{
    const ClassStation station{
        .account = "ivanov",
        .program_version = "1.4.0",
        .started = QDateTime(QDate(2026, 12, 11), QTime(9, 0, 5)),
        .last_seen = QDateTime(QDate(2026, 12, 11), QTime(9, 41, 30)),
    };
    EXPECT_EQ(class_station_details(station),
              "Учётная запись: ivanov\nВерсия: 1.4.0\nЗапущена: 11.12.2026 09:00:05\n"
              "На связи была: 11.12.2026 09:41:30");
}

} // namespace
