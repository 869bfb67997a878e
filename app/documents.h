#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Where the trainer finds the documents it hands to the desktop: the folders "help" and "video"
// in the current folder first, then beside the program, then in the installed data folder, so
// that "справка" and the videos work however the program was started.

// The folders that may hold "help" and "video", in the order they are looked in, each once.
QStringList document_places();

// The path of `folder`/`file` in the first place that has it; empty when none has.
QString find_document(const QStringList &places, const QString &folder, const QString &file);

// What "справка" opens: the compiled help file when the desktop has a program for it, else the
// manual's pages in the browser; with neither, a message says where the manual is.
struct HelpChoice {
    enum class Kind { Compiled, Pages, Message };
    Kind kind;
    QString text; // the file to open, or the message
};

// `chm_viewer` is asked only when a compiled help file exists.
HelpChoice choose_help(const QStringList &places, const QString &chm_file,
                       const std::function<bool()> &chm_viewer);

// What a box says when nothing on this computer opens the manual's file `path`, or the video
// `path`: where the file is and which packages open it.
QString help_unopened_text(const QString &path);
QString video_unopened_text(const QString &path);
// What a box says when the video `file` is in none of the places.
QString missing_video_text(const QStringList &places, const QString &file);

// Whether the desktop names a program for compiled help files.
bool desktop_opens_chm();
