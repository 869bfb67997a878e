#include "app/documents.h"
#include "tests/app/file_places.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Three places as the program looks in them: the current folder, beside the program, the data
// folder.
class DocumentsTest : public testing::Test {
protected:
    QTemporaryDir root;
    QStringList places{root.filePath(QStringLiteral("current")),
                       root.filePath(QStringLiteral("program")),
                       root.filePath(QStringLiteral("data"))};
    int viewer_asked = 0;

    QString put(int place, const QString &relative) { return put_file(places, place, relative); }
    HelpChoice help(bool viewer)
    {
        return choose_help(places, QStringLiteral("help_zun5.chm"), [this, viewer] {
            ++viewer_asked;
            return viewer;
        });
    }
};

TEST_F(DocumentsTest, TheFirstPlaceThatHasTheFileWins)
{
    const QString video = QStringLiteral("video_key_work.avi");
    EXPECT_TRUE(find_document(places, QStringLiteral("video"), video).isEmpty());
    const QString in_data = put(2, QStringLiteral("video/") + video);
    EXPECT_EQ(find_document(places, QStringLiteral("video"), video), in_data);
    const QString beside = put(1, QStringLiteral("video/") + video);
    EXPECT_EQ(find_document(places, QStringLiteral("video"), video), beside);
    put(0, QStringLiteral("video/other.avi")); // a folder without the file does not stop the search
    EXPECT_EQ(find_document(places, QStringLiteral("video"), video), beside);
    QDir().mkpath(
        QDir(places[0]).filePath(QStringLiteral("video/") + video)); // nor a folder of its name
    EXPECT_EQ(find_document(places, QStringLiteral("video"), video), beside);
}

TEST_F(DocumentsTest, TheCompiledHelpWhenTheDesktopHasAViewerForIt)
{
    put(2, QStringLiteral("help/index.html"));
    const QString compiled = put(1, QStringLiteral("help/help_zun5.chm"));
    const HelpChoice choice = help(true);
    EXPECT_EQ(choice.kind, HelpChoice::Kind::Compiled);
    EXPECT_EQ(choice.text, compiled);
}

TEST_F(DocumentsTest, ThePagesInTheBrowserWithoutAViewerOrWithoutTheCompiledFile)
{
    const QString pages = put(2, QStringLiteral("help/index.html"));
    HelpChoice choice = help(true);
    EXPECT_EQ(choice.kind, HelpChoice::Kind::Pages);
    EXPECT_EQ(choice.text, pages);
    EXPECT_EQ(viewer_asked, 0) << "no compiled file, no question to the desktop";

    put(0, QStringLiteral("help/help_zun5.chm"));
    choice = help(false);
    EXPECT_EQ(choice.kind, HelpChoice::Kind::Pages);
    EXPECT_EQ(choice.text, pages);
    EXPECT_EQ(viewer_asked, 1);
}

TEST_F(DocumentsTest, OnlyACompiledFileNobodyCanShowIsNamedInTheMessage)
{
    const QString compiled = put(0, QStringLiteral("help/help_zun5.chm"));
    const HelpChoice choice = help(false);
    EXPECT_EQ(choice.kind, HelpChoice::Kind::Message);
    EXPECT_TRUE(choice.text.contains(compiled)) << choice.text.toStdString();
    EXPECT_TRUE(choice.text.contains(QStringLiteral("xchm"))) << choice.text.toStdString();
}

TEST_F(DocumentsTest, NoManualAnywhereNamesEveryFolderLookedIn)
{
    const HelpChoice choice = help(true);
    EXPECT_EQ(choice.kind, HelpChoice::Kind::Message);
    for (const QString &place : places)
        EXPECT_TRUE(choice.text.contains(QDir(place).filePath(QStringLiteral("help"))))
            << choice.text.toStdString();
    EXPECT_EQ(viewer_asked, 0);
}

TEST(DocumentPlacesTest, TheCurrentFolderThenTheProgramsThenTheDataFolderEachOnce)
{
    QStringList places = document_places();
    ASSERT_FALSE(places.isEmpty());
    EXPECT_EQ(places.front(), QDir::cleanPath(QDir::currentPath()));
    EXPECT_EQ(places.back(), QStringLiteral(ZUN_INSTALL_FULL_DATA_DIR));
    EXPECT_EQ(places.removeDuplicates(), 0);
    const QString current = QDir::currentPath();
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    EXPECT_EQ(document_places().size(), 2) << "the program's folder is the current one";
    QDir::setCurrent(current);
}

} // namespace
