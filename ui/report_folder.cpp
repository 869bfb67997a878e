#include "report_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString last_folder_key = QStringLiteral("reports/last_folder");

bool is_folder(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

} // namespace

QString report_save_folder(const QSettings &settings)
{
    const QString last = settings.value(last_folder_key).toString();
    if (is_folder(last))
        return last;
    // A fresh account may have no documents folder yet: then the home folder.
    const QString documents =
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return is_folder(documents) ? documents : QDir::homePath();
}

void remember_report_folder(QSettings &settings, const QString &saved_file)
{
    settings.setValue(last_folder_key, QFileInfo(saved_file).absolutePath());
}
