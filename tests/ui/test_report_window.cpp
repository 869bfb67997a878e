#include "sim/simulator.h"
#include "sim/ui_port.h"
#include "training/lesson_log.h"
#include "training/report.h"
#include "training/score.h"
#include "training/stage_record.h"
#include "ui/report_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

namespace {

zun::StageRecord two_steps()
{
    zun::StageRecord record;
    record.stage_changed(500, 1);
    zun::AssessedInput coil;
    coil.control = "Frame_Button_New_Coil";
    record.input(1500, coil);
    record.stage_changed(1510, 2);
    zun::AssessedInput refused;
    refused.mech = 72;
    refused.direction = zun::Direction::Reverse;
    refused.refused = "interlock";
    record.input(2500, refused);
    return record;
}

QString saved_html(const ReportWindow &window)
{
    const QTemporaryDir folder;
    QString error;
    EXPECT_TRUE(window.save(folder.filePath("report.html"), error)) << error.toStdString();
    QFile html(folder.filePath("report.html"));
    EXPECT_TRUE(html.open(QIODevice::ReadOnly));
    return QString::fromUtf8(html.readAll());
}

class ReportWindowTest : public testing::Test {
protected:
    const zun::Simulator simulator_;
    const zun::LineModel &model_ = simulator_.state();
    const zun::StageRecord record_ = two_steps();
    const zun::LessonLog no_lesson_;
};

TEST_F(ReportWindowTest, ShowsTheRecordAsTheHeadlessReportDoes)
{
    const zun::Report report{record_, 80, no_lesson_, model_};
    ReportWindow window;
    window.show_report(report, 3000, "2026-12-10_09-00-00");
    ASSERT_EQ(window.table().rowCount(), 2);
    EXPECT_EQ(window.table().item(0, 0)->text(), "1");
    EXPECT_EQ(window.table().item(0, 3)->text(), "сам");
    EXPECT_EQ(window.table().item(1, 2)->text(), "—");
    EXPECT_EQ(window.table().item(1, 5)->text(), "1");
    EXPECT_TRUE(window.summary().contains("Оценка: <b>80</b>"));
    EXPECT_TRUE(window.summary().contains("Занятие: обучение."));
    EXPECT_EQ(window.text().toStdString(), zun::report_lines(report));
}

// A person's report: titled with the trainee, the date and the lesson, each step's points, the
// remarks in words, the window's words in the saved page too.
TEST_F(ReportWindowTest, ReadsAsAPersonsReport)
{
    const std::vector<zun::StageEntry> entries = record_.entries();
    const auto points = zun::step_points(entries, true, zun::ReferenceTimes::human_pace());
    ASSERT_TRUE(points);
    const zun::Report report{record_, 50, no_lesson_, model_, *points};
    const std::string title =
        zun::report_title({"Пётр <Иванов>", "2026-12-10 09:00:05"}, no_lesson_);
    EXPECT_EQ(title, "Пётр <Иванов>, 2026-12-10 09:00, обучение");
    ReportWindow window;
    window.show_report(report, 3000, QString::fromStdString(title));
    EXPECT_TRUE(window.windowTitle().contains("Пётр <Иванов>, 2026-12-10 09:00, обучение"));
    EXPECT_TRUE(window.summary().contains("Пётр &lt;Иванов&gt;"));
    EXPECT_EQ(window.table().item(0, 8)->text(), "100.0") << "step 1, the only one done";
    EXPECT_EQ(window.table().item(1, 8)->text(), "—") << "step 2 goes on";
    EXPECT_EQ(window.remarks().toStdString(),
              "Замечания:\n2,5 с, шаг 2: Механизм «72 телега съёмного стола»: команда не "
              "выполнена.\n2,5 с, шаг 2: Механизм «72 телега съёмного стола»: этот механизм на "
              "шаге 2 не нужен.");
    const QString html = saved_html(window);
    EXPECT_TRUE(html.contains("<title>Пётр &lt;Иванов&gt;, 2026-12-10 09:00, обучение</title>"));
    EXPECT_TRUE(html.contains("<td>сам</td>"));
    EXPECT_TRUE(html.contains("<td>идёт</td>"));
    EXPECT_FALSE(html.contains("out_of_sequence"));
}

TEST_F(ReportWindowTest, SavesAsHtmlAndPdfAndSaysWhenItCannot)
{
    ReportWindow window;
    window.show_report({record_, std::nullopt, no_lesson_, model_}, 3000, "сеанс");
    EXPECT_TRUE(saved_html(window).contains("Отчёт: сеанс"));
    const QTemporaryDir folder;
    QString error;

    ASSERT_TRUE(window.save(folder.filePath("report.pdf"), error)) << error.toStdString();
    QFile pdf(folder.filePath("report.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");

    EXPECT_FALSE(window.save(folder.filePath("missing/report.html"), error));
    EXPECT_TRUE(error.contains("missing/report.html")) << error.toStdString();
}

// "копировать" and "сохранить" keep that the lesson was an examination and how the trainee met
// each malfunction.
TEST_F(ReportWindowTest, CopiesAndSavesTheExamAndItsMalfunctions)
{
    zun::LessonLog lesson;
    lesson.input(100, zun::input::Lesson{zun::LessonKind::Exam}, {});
    lesson.input(1000, zun::input::Fault{1, zun::FaultKind::Drive, true}, {});
    lesson.input(1200, zun::input::Command{1, zun::MechCommand::Forward},
                 {zun::PulseAnswer{1, zun::MechCommand::Forward, zun::Refusal::DriveFault}});
    lesson.input(1800, zun::input::Command{1, zun::MechCommand::Stop},
                 {zun::PulseAnswer{1, zun::MechCommand::Stop, zun::Refusal::None}});
    lesson.input(2200, zun::input::ClearFaults{}, {});
    const zun::Report report{record_, std::nullopt, lesson, model_};
    ReportWindow window;
    window.show_report(report, 3000, "экзамен");
    EXPECT_TRUE(window.summary().contains("Занятие: экзамен. Неисправностей: 1."))
        << window.summary().toStdString();

    QPushButton *copy = nullptr;
    for (QPushButton *button : window.findChildren<QPushButton *>())
        if (button->text() == "копировать")
            copy = button;
    ASSERT_NE(copy, nullptr);
    QApplication::clipboard()->clear();
    copy->click();
    const std::string copied = QApplication::clipboard()->text().toStdString();
    EXPECT_EQ(copied, zun::report_lines(report));
    EXPECT_TRUE(copied.ends_with("lesson=exam\nfault=drive mech=1 set=1000 shown=1200 "
                                 "reaction=600 cleared=2200\n"))
        << copied;

    const QString html = saved_html(window);
    EXPECT_TRUE(html.contains("Занятие: <b>экзамен</b>")) << html.toStdString();
    EXPECT_TRUE(html.contains("<td>привод не включается</td><td>1000</td><td>1200</td>"
                              "<td>1800</td><td>600</td><td>2200</td>"))
        << html.toStdString();
}

} // namespace
