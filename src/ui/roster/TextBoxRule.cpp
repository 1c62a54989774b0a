#include "TextBoxRule.h"

#include "services/QtText.h"
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
        QString kept = qs(keepSafeCharacters(str(input)));
        if (kept != input) {
            pos = static_cast<int>(qs(keepSafeCharacters(str(input.left(pos)))).size());
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
        QString ruled = qs(rule(str(text)));
        if (ruled == text) return;
        QString beforeCaret = qs(rule(str(text.left(box->cursorPosition()))));
        box->setText(ruled);
        box->setCursorPosition(static_cast<int>(std::min(beforeCaret.size(), ruled.size())));
    });
}

} // namespace tallyrock
