#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <gtest/gtest.h>

// Makes an empty file at `relative` under the folder `places[place]`, and says where it is.
inline QString put_file(const QStringList &places, int place, const QString &relative)
{
    const QString path = QDir(places[place]).filePath(relative);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    return QFileInfo(path).absoluteFilePath();
}
