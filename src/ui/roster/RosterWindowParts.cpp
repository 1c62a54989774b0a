#include "RosterWindowParts.h"

#include <QLabel>
#include <QListWidget>

namespace tallyrock {

QLabel* sunkenPanel(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(44);
    return label;
}

void fillList(QListWidget* list, const std::vector<std::string>& lines) {
    list->clear();
    for (const std::string& line : lines)
        list->addItem(QString::fromStdString(line));
}

std::string selectedLine(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? std::string() : selected.front()->text().toStdString();
}

void saveRosterFilesShowing(Store& store, UiServices& services, TeamFileSave teamFile) {
    services.dialogs.setBusy(true);
    std::vector<Message> failures = saveRosterFiles(store, teamFile);
    services.dialogs.setBusy(false);
    for (const Message& failure : failures)
        services.dialogs.messageBox(failure);
}

} // namespace tallyrock
