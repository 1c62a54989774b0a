#include "RestoreWindow.h"

#include "ScreenPlacement.h"
#include "services/BusyPointer.h"
#include "services/Dialogs.h"
#include "services/QtText.h"
#include "utilities/Restore.h"

#include <QCloseEvent>
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

RestoreWindow::RestoreWindow(Store& store, Dialogs& dialogs, QWidget* parent)
    : RestoreWindow(store, dialogs, systemBackupRoots(), parent) {}

RestoreWindow::RestoreWindow(Store& store, Dialogs& dialogs, const std::vector<BackupRoot>& roots,
                             QWidget* parent)
    : QWidget(parent, Qt::Window), m_store(store), m_dialogs(dialogs) {
    setObjectName("Restoreform");
    setWindowTitle(RestoreWindowTitle);

    auto* layout = new QVBoxLayout(this);
    for (const char* line : {"Choose the VEXA Backup folder to copy back into the folder",
                             "where Tallyrock keeps its data files.  The files there now",
                             "are first saved in its \"Before Restore\" folder."})
        layout->addWidget(new QLabel(line, this));

    auto* frame = new QGroupBox("Backup to restore from", this);
    m_BackupList = new QListWidget(frame);
    m_BackupList->setObjectName("BackupList");
    auto* browsebutton = new QPushButton("Browse...", frame);
    browsebutton->setObjectName("browsebutton");
    browsebutton->setToolTip("Choose another backup folder");
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(m_BackupList);
    frameLayout->addWidget(browsebutton, 0, Qt::AlignRight);
    layout->addWidget(frame, 1);

    auto* restorebutton = new QPushButton("Restore data files", this);
    restorebutton->setObjectName("restorebutton");
    auto* infobutton = new QToolButton(this);
    infobutton->setObjectName("infobutton");
    infobutton->setToolTip("Help on backup and restore");
    infobutton->setAccessibleName("Help on backup and restore");
    infobutton->setIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation));
    auto* exitbutton = new QToolButton(this);
    exitbutton->setObjectName("exitbutton");
    exitbutton->setToolTip("Close restore window");
    exitbutton->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    exitbutton->setText("Close");
    exitbutton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(restorebutton, 1);
    buttons->addWidget(infobutton);
    buttons->addWidget(exitbutton);
    layout->addLayout(buttons);

    for (const std::filesystem::path& folder : findBackupFolders(roots))
        addFolder(folder);
    if (m_BackupList->count() > 0) m_BackupList->setCurrentRow(0);

    auto* timer2 = new QTimer(this);
    timer2->setObjectName("Timer2");
    timer2->setSingleShot(true);
    timer2->setInterval(300);
    connect(timer2, &QTimer::timeout, m_BackupList, qOverload<>(&QWidget::setFocus));
    timer2->start();

    connect(browsebutton, &QPushButton::clicked, this, &RestoreWindow::browsebutton_Click);
    connect(restorebutton, &QPushButton::clicked, this, &RestoreWindow::restorebutton_Click);
    connect(infobutton, &QToolButton::clicked, this, &RestoreWindow::helpRequested);
    connect(exitbutton, &QToolButton::clicked, this, &QWidget::close);

    resize(480, 320);
    centreBelowMiddle(*this, 100);
}

void RestoreWindow::addFolder(const std::filesystem::path& folder) {
    auto* item = new QListWidgetItem(qs(folder.string()), m_BackupList);
    item->setData(PathRole, qs(folder.string()));
}

void RestoreWindow::browsebutton_Click() {
    QListWidgetItem* current = m_BackupList->currentItem();
    std::string start = current ? str(current->data(PathRole).toString()) : std::string();
    std::optional<std::string> folder = m_dialogs.folderName("Choose the backup to restore from", start);
    if (!folder || folder->empty()) return;
    addFolder(backupFolderFor(*folder));
    m_BackupList->setCurrentRow(m_BackupList->count() - 1);
}

void RestoreWindow::restorebutton_Click() {
    QListWidgetItem* current = m_BackupList->currentItem();
    if (!current) {
        m_dialogs.beep();
        return;
    }
    m_dialogs.beep();
    if (m_dialogs.messageBox(restoreQuestion(), Buttons::YesNo, Answer::No) != Answer::Yes) return;
    Failure failure = whileBusy(
        m_dialogs, [&] { return RestoreDataFiles(m_store, str(current->data(PathRole).toString())); });
    if (failure) {
        m_dialogs.messageBox(*failure);
        return;
    }
    m_dialogs.messageBox(restoreDone());
    emit restored();
    close();
}

void RestoreWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit closed();
}

} // namespace tallyrock
