#include "training/report.h"
#include "training/stage_record.h"
#include "ui/report_window.h"

#include <gtest/gtest.h>

#include <QFile>
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

TEST(ReportWindow, ShowsTheRecordAsTheHeadlessReportDoes)
{
    const zun::StageRecord record = two_steps();
    ReportWindow window;
    window.show_report(record, 80, 3000, "2026-12-10_09-00-00");
    ASSERT_EQ(window.table().rowCount(), 2);
    EXPECT_EQ(window.table().item(0, 0)->text(), "1");
    EXPECT_EQ(window.table().item(0, 3)->text(), "сам");
    EXPECT_EQ(window.table().item(1, 2)->text(), "—");
    EXPECT_EQ(window.table().item(1, 5)->text(), "1");
    EXPECT_TRUE(window.summary().contains("Оценка: <b>80</b>"));
    EXPECT_EQ(window.text().toStdString(), zun::report_lines({record, 80}));
}

TEST(ReportWindow, SavesAsHtmlAndPdfAndSaysWhenItCannot)
{
    const zun::StageRecord record = two_steps();
    ReportWindow window;
    window.show_report(record, std::nullopt, 3000, "сеанс");
    const QTemporaryDir folder;
    QString error;
    ASSERT_TRUE(window.save(folder.filePath("report.html"), error)) << error.toStdString();
    QFile html(folder.filePath("report.html"));
    ASSERT_TRUE(html.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(html.readAll()).contains("Отчёт о сеансе сеанс"));

    ASSERT_TRUE(window.save(folder.filePath("report.pdf"), error)) << error.toStdString();
    QFile pdf(folder.filePath("report.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");

    EXPECT_FALSE(window.save(folder.filePath("missing/report.html"), error));
    EXPECT_TRUE(error.contains("missing/report.html")) << error.toStdString();
}

} // namespace
