#include "app/document_opener.h"

#include "tests/app/file_places.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// An opener over two places whose desktop's answer the test gives: the files handed to the
// desktop are kept with their answer, the boxes' texts are kept.
class DocumentOpenerTest : public testing::Test {
protected:
    QTemporaryDir root;
    QStringList places{root.filePath(QStringLiteral("program")),
                       root.filePath(QStringLiteral("data"))};
    QStringList launched;
    std::vector<std::function<void(bool)>> answers;
    QStringList told;
    bool chm_viewer = false;

    DocumentOpener opener{
        places,
        [this](const QString &file, std::function<void(bool)> done) {
            launched << file;
            answers.push_back(std::move(done));
        },
        [this](const QString &text) { told << text; }, [this] { return chm_viewer; }};

    QString put(int place, const QString &relative) { return put_file(places, place, relative); }
};

struct OpenCase {
    const char *name;
    const char *folder;
    const char *file;
    const char *stored; // where the file lies, under the data place
    bool chm_viewer;
    const char *launched; // what the desktop is given, under the data place
    const char *advice;   // what the box says to install when nothing opens it
};

const OpenCase open_cases[] = {
    {"VideoNeedsAPlayer", "video", "video_key_work.avi", "video/video_key_work.avi", false,
     "video/video_key_work.avi", "mpv"},
    {"PagesNeedABrowser", "help", "help_zun5.chm", "help/index.html", false, "help/index.html",
     "firefox-esr"},
    {"CompiledHelpNeedsItsViewer", "help", "help_zun5.chm", "help/help_zun5.chm", true,
     "help/help_zun5.chm", "xchm"},
};

class DocumentOpenerCases : public DocumentOpenerTest,
                            public testing::WithParamInterface<OpenCase> {};

TEST_P(DocumentOpenerCases, ABoxWithTheFilesPlaceOnlyWhenNothingOpensIt)
{
    const OpenCase &c = GetParam();
    chm_viewer = c.chm_viewer;
    const QString stored = put(1, QString::fromUtf8(c.stored));
    const QString expected = QDir(places[1]).filePath(QString::fromUtf8(c.launched));
    ASSERT_EQ(stored, QFileInfo(expected).absoluteFilePath());

    opener.open(QString::fromUtf8(c.folder), QString::fromUtf8(c.file));
    ASSERT_EQ(launched, QStringList{stored});
    EXPECT_TRUE(told.isEmpty()) << "nothing is told before the desktop answers";
    answers.at(0)(true);
    EXPECT_TRUE(told.isEmpty()) << "a program took it";

    opener.open(QString::fromUtf8(c.folder), QString::fromUtf8(c.file));
    answers.at(1)(false);
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].contains(QDir::toNativeSeparators(stored))) << told[0].toStdString();
    EXPECT_TRUE(told[0].contains(QString::fromUtf8(c.advice))) << told[0].toStdString();
}

INSTANTIATE_TEST_SUITE_P(Files, DocumentOpenerCases, testing::ValuesIn(open_cases),
                         [](const testing::TestParamInfo<OpenCase> &info) {
                             return std::string(info.param.name);
                         });

TEST_F(DocumentOpenerTest, AMissingVideoIsToldWithEveryFolderLookedIn)
{
    opener.open(QStringLiteral("video"), QStringLiteral("video_full_auto.avi"));
    EXPECT_TRUE(launched.isEmpty());
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].contains(QStringLiteral("video_full_auto.avi")));
    for (const QString &place : places)
        EXPECT_TRUE(told[0].contains(QDir::toNativeSeparators(QDir(place).filePath("video"))))
            << told[0].toStdString();
}

TEST_F(DocumentOpenerTest, AMissingManualIsToldWithoutAskingTheDesktop)
{
    opener.open(QStringLiteral("help"), QStringLiteral("help_zun5.chm"));
    EXPECT_TRUE(launched.isEmpty());
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].contains(QStringLiteral("index.html"))) << told[0].toStdString();
}

} // namespace
