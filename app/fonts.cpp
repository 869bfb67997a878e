#include "fonts.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

namespace {

// fonts-wine installs its faces outside fontconfig's paths.
constexpr const char *tahoma_files[] = {"/usr/share/wine/fonts/tahoma.ttf",
                                        "/usr/share/wine/fonts/tahomabd.ttf"};
constexpr int default_point_size = 8;

} // namespace

QString install_application_font()
{
    bool tahoma_found = false;
    for (const char *file : tahoma_files)
        tahoma_found |= QFontDatabase::addApplicationFont(QString::fromLatin1(file)) >= 0;
    const QString family = tahoma_found ? QStringLiteral("Tahoma") : QStringLiteral("DejaVu Sans");
    QFont font(family, default_point_size);
    font.setStyleHint(QFont::SansSerif);
    QApplication::setFont(font);
    return family;
}
