#include "TextBoxRule.h"

#include <QLineEdit>

namespace tallyrock {

void applyTextRule(QLineEdit* box, TextRule rule) {
    QObject::connect(box, &QLineEdit::textEdited, box, [box, rule = std::move(rule)](const QString& text) {
        QString ruled = QString::fromStdString(rule(text.toStdString()));
        if (ruled == text) return;
        QString beforeCaret = QString::fromStdString(rule(text.left(box->cursorPosition()).toStdString()));
        box->setText(ruled);
        box->setCursorPosition(static_cast<int>(std::min(beforeCaret.size(), ruled.size())));
    });
}

} // namespace tallyrock
