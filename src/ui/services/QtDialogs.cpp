#include "QtDialogs.h"

#include "services/QtText.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace tallyrock {

namespace {

QWidget* dialogParent() {
    return QApplication::activeWindow();
}

QString dialogText(const std::string& text) {
    return qs(plainLineBreaks(text));
}

QMessageBox::Icon boxIcon(Icon icon) {
    switch (icon) {
    case Icon::None:
        return QMessageBox::NoIcon;
    case Icon::Exclamation:
        return QMessageBox::Warning;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Stop:
        return QMessageBox::Critical;
    case Icon::Information:
        return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton standardButton(Answer answer) {
    switch (answer) {
    case Answer::Ok:
        return QMessageBox::Ok;
    case Answer::Cancel:
        return QMessageBox::Cancel;
    case Answer::Yes:
        return QMessageBox::Yes;
    case Answer::No:
        return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

} // namespace

Answer QtDialogs::messageBox(const Message& message, Buttons buttons, Answer defaultButton) {
    QMessageBox box(boxIcon(message.icon), qs(message.title), dialogText(message.text), QMessageBox::NoButton,
                    dialogParent());
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    box.setDefaultButton(standardButton(defaultButton));
    // The pointer is normal while the user answers.
    bool busy = m_busy;
    setBusy(false);
    int chosen = box.exec();
    setBusy(busy);
    switch (chosen) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    case QMessageBox::Ok:
        return Answer::Ok;
    default:
        return buttons == Buttons::Ok ? Answer::Ok
                                      : (buttons == Buttons::YesNo ? Answer::No : Answer::Cancel);
    }
}

std::optional<std::string> QtDialogs::inputBox(const std::string& title, const std::string& prompt,
                                               const std::string& initial) {
    bool ok = false;
    QString text = QInputDialog::getText(dialogParent(), qs(title), dialogText(prompt), QLineEdit::Normal,
                                         qs(initial), &ok);
    if (!ok) return std::nullopt;
    return str(text);
}

std::optional<std::string> QtDialogs::saveFileName(const std::string& title, const std::string& folder,
                                                   const std::string& suggested, const std::string& filter) {
    QString start = qs(folder);
    if (!suggested.empty()) start = QDir(start).filePath(qs(suggested));
    QString name = QFileDialog::getSaveFileName(dialogParent(), qs(title), start, qs(filter));
    if (name.isEmpty()) return std::nullopt;
    return str(name);
}

std::optional<std::string> QtDialogs::folderName(const std::string& title, const std::string& start) {
    QString name = QFileDialog::getExistingDirectory(dialogParent(), qs(title), qs(start));
    if (name.isEmpty()) return std::nullopt;
    return str(name);
}

std::optional<std::string> QtDialogs::chooseItem(const std::string& title, const std::string& prompt,
                                                 const std::vector<std::string>& items,
                                                 const std::string& current) {
    QStringList list;
    int currentIndex = 0;
    for (const std::string& item : items) {
        if (item == current) currentIndex = static_cast<int>(list.size());
        list << qs(item);
    }
    bool ok = false;
    QString chosen =
        QInputDialog::getItem(dialogParent(), qs(title), dialogText(prompt), list, currentIndex, false, &ok);
    if (!ok) return std::nullopt;
    return str(chosen);
}

void QtDialogs::beep() {
    QApplication::beep();
}

void QtDialogs::setBusy(bool busy) {
    if (busy == m_busy) return;
    m_busy = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

} // namespace tallyrock
