#pragma once
// The fonts of printed reports and of the lists: FontName as named when the
// system has it, otherwise a metric-compatible or fixed-pitch stand-in, so
// columns built with spaces stay straight.

#include <QFont>
#include <QStringList>
#include <string>

namespace tallyrock {

// The family that prints for `name`: the name itself when installed, the
// metric-compatible Liberation family for the common Windows fonts, else the
// system's fixed-pitch font.
QString printFamily(const QString& name);
QFont printFont(const std::string& name, double points, bool bold);

// The font families usable for printing (scalable ones), in the database's order.
QStringList printableFontFamilies();

} // namespace tallyrock
