#pragma once

#include <QString>
#include <QStringList>

// The complete lines of a file that grows at its end (a session file being written), by their
// number from 1: a line counts once its newline is written. Reading goes on from where the last
// read ended, so a file followed as it grows is read once.
class FileLines {
public:
    explicit FileLines(QString path);

    // The complete lines numbered after `number`, as the file stands now; none when it cannot be
    // read.
    QStringList after(int number);

private:
    QString path_;
    int lines_read_ = 0; // the complete lines before offset_
    qint64 offset_ = 0;
};
