#include "PrintFonts.h"

#include <QFontDatabase>

namespace tallyrock {

QString printFamily(const QString& name) {
    if (!name.isEmpty() && QFontDatabase::hasFamily(name)) return name;
    static const struct {
        const char* windows;
        const char* metricCompatible;
    } standIns[] = {{"Courier New", "Liberation Mono"},
                    {"Courier", "Liberation Mono"},
                    {"Arial", "Liberation Sans"},
                    {"Times New Roman", "Liberation Serif"}};
    for (const auto& s : standIns)
        if (name.compare(QLatin1String(s.windows), Qt::CaseInsensitive) == 0 &&
            QFontDatabase::hasFamily(QLatin1String(s.metricCompatible)))
            return QLatin1String(s.metricCompatible);
    for (const char* mono : {"Liberation Mono", "DejaVu Sans Mono"})
        if (QFontDatabase::hasFamily(QLatin1String(mono))) return QLatin1String(mono);
    return QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
}

QFont printFont(const std::string& name, double points, bool bold) {
    QFont font(printFamily(QString::fromStdString(name)));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(points > 0 ? points : 10);
    font.setBold(bold);
    return font;
}

QStringList printableFontFamilies() {
    QStringList families;
    for (const QString& family : QFontDatabase::families()) {
        if (QFontDatabase::isPrivateFamily(family) || !QFontDatabase::isScalable(family)) continue;
        // A family installed by several foundries is listed once, by its plain name.
        QString plain = family.section(QLatin1String(" ["), 0, 0);
        if (!families.contains(plain)) families << plain;
    }
    return families;
}

} // namespace tallyrock
