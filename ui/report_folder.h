#pragma once

#include <QString>

class QSettings;

// Where the report's save dialog opens: the user's documents folder at first, then the folder
// the last report went to. Kept in the user's settings, so that it holds for the windows built
// anew and for the next run of the program.
QString report_save_folder(const QSettings &settings);
void remember_report_folder(QSettings &settings, const QString &saved_file);
