#pragma once
// The lines of a list widget, and core lines as the same kind of list, for comparing them.

#include <QListWidget>
#include <QStringList>
#include <string>
#include <vector>

namespace tallyrock::test {

inline QStringList items(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

inline QStringList qlist(const std::vector<std::string>& lines) {
    QStringList out;
    for (const std::string& line : lines)
        out << QString::fromStdString(line);
    return out;
}

} // namespace tallyrock::test
