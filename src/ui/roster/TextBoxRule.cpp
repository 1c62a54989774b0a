#include "TextBoxRule.h"

#include "store/SafeText.h"

#include <QLineEdit>
#include <QValidator>

namespace tallyrock {

namespace {

// A validator may change the text it checks; the box then takes the changed
// text before it reports any change, so no control character reaches a slot.
class SafeTextValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override {
        QString kept = QString::fromStdString(keepSafeCharacters(input.toStdString()));
        if (kept != input) {
            pos = static_cast<int>(QString::fromStdString(keepSafeCharacters(input.left(pos).toStdString())).size());
            input = kept;
        }
        return Acceptable;
    }
};

} // namespace

void keepTextSafe(QLineEdit* box) {
    box->setValidator(new SafeTextValidator(box));
}

void applyTextRule(QLineEdit* box, TextRule rule) {
    keepTextSafe(box);
    QObject::connect(box, &QLineEdit::textEdited, box, [box, rule = std::move(rule)](const QString& text) {
        QString ruled = QString::fromStdString(rule(text.toStdString()));
        if (ruled == text) return;
        QString beforeCaret = QString::fromStdString(rule(text.left(box->cursorPosition()).toStdString()));
        box->setText(ruled);
        box->setCursorPosition(static_cast<int>(std::min(beforeCaret.size(), ruled.size())));
    });
}

} // namespace tallyrock
