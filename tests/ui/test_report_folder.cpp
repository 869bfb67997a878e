#include "ui/report_folder.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class ReportFolderTest : public testing::Test {
protected:
    QTemporaryDir root;
    QSettings settings{root.filePath(QStringLiteral("reports.ini")), QSettings::IniFormat};

    QString made(const QString &name) const
    {
        const QString folder = root.filePath(name);
        QDir().mkpath(folder);
        return folder;
    }
};

TEST_F(ReportFolderTest, FirstTheDocumentsFolderThenWhereTheLastReportWent)
{
    const QString documents =
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString first = QFileInfo(documents).isDir() ? documents : QDir::homePath();
    EXPECT_EQ(report_save_folder(settings), first);
    EXPECT_NE(report_save_folder(settings), QDir::currentPath()) << "never the program's folder";

    const QString reports = made(QStringLiteral("reports"));
    remember_report_folder(settings, QDir(reports).filePath(QStringLiteral("Иванов.pdf")));
    EXPECT_EQ(report_save_folder(settings), reports);
    settings.sync();
    const QSettings next_run(root.filePath(QStringLiteral("reports.ini")), QSettings::IniFormat);
    EXPECT_EQ(report_save_folder(next_run), reports);
}

TEST_F(ReportFolderTest, AFolderGoneSinceIsNotOffered)
{
    const QString reports = made(QStringLiteral("usb"));
    remember_report_folder(settings, QDir(reports).filePath(QStringLiteral("report.html")));
    QDir(reports).removeRecursively();
    EXPECT_NE(report_save_folder(settings), reports);
    EXPECT_TRUE(QFileInfo(report_save_folder(settings)).isDir());
}

} // namespace
