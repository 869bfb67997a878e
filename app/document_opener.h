#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Opens the manual and the videos with the desktop's programs. A file that is nowhere, or that
// nothing on this computer opens (a fresh install has no program for web pages or videos), is
// told in a box that says where the file is and what to install.
class DocumentOpener final {
public:
    // Hands a file to the desktop and, later, says whether a program took it.
    using Launch =
        std::function<void(const QString &file, std::function<void(bool opened)> done)>;
    using Tell = std::function<void(const QString &text)>;

    DocumentOpener(QStringList places, Launch launch, Tell tell,
                   std::function<bool()> chm_viewer);

    void open(const QString &folder, const QString &file) const;

private:
    void launch(const QString &path, const QString &unopened_text) const;

    QStringList places_;
    Launch launch_;
    Tell tell_;
    std::function<bool()> chm_viewer_;
};

// The desktop's opener (xdg-open), not waited for; `done` learns its verdict once it has handed
// the file on or failed. It outlives the call and goes once it has finished.
void open_with_desktop(const QString &file, std::function<void(bool opened)> done);
