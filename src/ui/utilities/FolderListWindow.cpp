#include "FolderListWindow.h"

#include "services/Dialogs.h"
#include "services/NamedControls.h"
#include "services/QtText.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace tallyrock {

namespace {
constexpr int PathRole = Qt::UserRole;
} // namespace

FolderListWindow::FolderListWindow(Store& store, Dialogs& dialogs, QWidget* parent, const QString& objectName,
                                   const QString& title)
    : QWidget(parent, Qt::Window), m_store(store), m_dialogs(dialogs) {
    setObjectName(objectName);
    setWindowTitle(title);
}

void FolderListWindow::buildFolderList(std::initializer_list<const char*> lines, const QString& frameCaption,
                                       const QString& frameName, const QString& listName,
                                       const QString& browseTip, const std::string& browseCaption) {
    m_browseCaption = browseCaption;
    m_layout = new QVBoxLayout(this);
    for (const char* line : lines)
        m_layout->addWidget(new QLabel(line, this));

    auto* frame = new QGroupBox(frameCaption, this);
    if (!frameName.isEmpty()) frame->setObjectName(frameName);
    m_list = new QListWidget(frame);
    m_list->setObjectName(listName);
    QPushButton* browsebutton = namedButton("Browse...", "browsebutton", browseTip, frame);
    connect(browsebutton, &QPushButton::clicked, this, &FolderListWindow::browseForFolder);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(m_list);
    frameLayout->addWidget(browsebutton, 0, Qt::AlignRight);
    m_layout->addWidget(frame, 1);
}

void FolderListWindow::buildButtonRow(QWidget* action, QWidget* extra, const QString& closeTip) {
    auto* exitbutton = new QToolButton(this);
    exitbutton->setObjectName("exitbutton");
    exitbutton->setToolTip(closeTip);
    exitbutton->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    exitbutton->setText("Close");
    exitbutton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    connect(exitbutton, &QToolButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(action, 1);
    if (extra) buttons->addWidget(extra);
    buttons->addWidget(exitbutton);
    m_layout->addLayout(buttons);
}

void FolderListWindow::startOnFirstPlace() {
    if (m_list->count() > 0) m_list->setCurrentRow(0);
    QTimer* timer2 = namedTimer("Timer2", 300, this);
    timer2->setSingleShot(true);
    connect(timer2, &QTimer::timeout, m_list, qOverload<>(&QWidget::setFocus));
    timer2->start();
}

void FolderListWindow::addPlace(const QString& label, const std::string& path) {
    auto* item = new QListWidgetItem(label, m_list);
    item->setData(PathRole, qs(path));
}

std::optional<std::string> FolderListWindow::currentPath() const {
    QListWidgetItem* current = m_list->currentItem();
    if (!current) return std::nullopt;
    return str(current->data(PathRole).toString());
}

void FolderListWindow::browseForFolder() {
    std::optional<std::string> folder =
        m_dialogs.folderName(m_browseCaption, currentPath().value_or(std::string()));
    if (!folder || folder->empty()) return;
    addBrowsed(*folder);
    m_list->setCurrentRow(m_list->count() - 1);
}

void FolderListWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit closed();
}

} // namespace tallyrock
