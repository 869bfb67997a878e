#pragma once

#include <QString>

// Registers the Tahoma face shipped by Debian's fonts-wine and makes it every window's font;
// where it is missing, DejaVu Sans stands in. Returns the family in use.
QString install_application_font();
