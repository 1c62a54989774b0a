#pragma once
// Text between the core's UTF-8 std::string and Qt's QString.

#include <QString>

#include <string>

namespace tallyrock {

inline QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

inline std::string str(const QString& text) {
    return text.toStdString();
}

} // namespace tallyrock
