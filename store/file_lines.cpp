#include "file_lines.h"

#include <QByteArray>
#include <QFile>

#include <utility>

FileLines::FileLines(QString path) : path_(std::move(path)) {}

QStringList FileLines::after(int number)
{
    // Lines asked for again (they were not stored) are read again from the start.
    if (number < lines_read_) {
        lines_read_ = 0;
        offset_ = 0;
    }
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(offset_))
        return {};
    const QByteArray rest = file.readAll();
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype end = rest.indexOf('\n'); end >= 0; end = rest.indexOf('\n', start)) {
        if (++lines_read_ > number)
            lines << QString::fromUtf8(rest.sliced(start, end - start));
        start = end + 1;
    }
    offset_ += start;
    return lines;
}
