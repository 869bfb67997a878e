#include "store/file_lines.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

class FileLinesTest : public testing::Test {
protected:
    void append(const QByteArray &bytes) const
    {
        QFile file(path_);
        ASSERT_TRUE(file.open(QIODevice::Append));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    QTemporaryDir folder_;
    QString path_ = folder_.filePath("session.zs");
};

// The file grows between the reads; each row asks after a number and sees the file as it stands.
TEST_F(FileLinesTest, GivesTheCompleteLinesAfterANumberAsTheFileGrows)
{
    struct Case {
        QByteArray appended;
        int after;
        QStringList lines;
    };
    const Case cases[] = {
        {"", 0, {}}, // no file yet
        {"# zun-trainer\n", 0, {"# zun-trainer"}},
        {"\nkey 5 press\nadv", 1, {"", "key 5 press"}}, // a line not ended is not yet one
        {"ance 250\n", 3, {"advance 250"}},
        {"стадия 4\n", 4, {"стадия 4"}},
        {"", 5, {}},
        {"", 2, {"key 5 press", "advance 250", "стадия 4"}}, // asked again: read again
        {"a\nb\n", 6, {"b"}},                                // a number ahead of the last read
        {"", 7, {}},
    };
    FileLines lines(path_);
    for (const Case &step : cases) {
        if (!step.appended.isEmpty())
            append(step.appended);
        EXPECT_EQ(lines.after(step.after), step.lines) << "after " << step.after;
    }
}

} // namespace
