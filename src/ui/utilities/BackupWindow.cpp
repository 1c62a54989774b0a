#include "BackupWindow.h"

#include "ScreenPlacement.h"
#include "services/Dialogs.h"
#include "services/QtText.h"

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

BackupWindow::BackupWindow(Store& store, Dialogs& dialogs, QWidget* parent)
    : BackupWindow(store, dialogs, systemBackupRoots(), parent) {}

BackupWindow::BackupWindow(Store& store, Dialogs& dialogs, std::vector<BackupRoot> roots, QWidget* parent)
    : QWidget(parent, Qt::Window), m_store(store), m_dialogs(dialogs) {
    setObjectName("Backupform");
    setWindowTitle(BackupWindowTitle);

    auto* layout = new QVBoxLayout(this);
    for (const char* line : {"Click on the button below to copy all your League, Course",
                             "and Settings files.  A directory named \\VEXA Backup will be",
                             "created on the drive you specify.  Older copies of VEXA",
                             "files will be overwritten when future backups are performed"}) {
        auto* panel = new QLabel(line, this);
        layout->addWidget(panel);
    }

    auto* frame = new QGroupBox("Choose the location for your backup", this);
    frame->setObjectName("DriveFrame");
    m_DriveList = new QListWidget(frame);
    m_DriveList->setObjectName("DriveList");
    auto* browsebutton = new QPushButton("Browse...", frame);
    browsebutton->setObjectName("browsebutton");
    browsebutton->setToolTip("Choose another folder for the backup");
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(m_DriveList);
    frameLayout->addWidget(browsebutton, 0, Qt::AlignRight);
    layout->addWidget(frame, 1);

    m_copybutton = new QPushButton("Backup VEXA Data files", this);
    m_copybutton->setObjectName("copybutton");
    auto* exitbutton = new QToolButton(this);
    exitbutton->setObjectName("exitbutton");
    exitbutton->setToolTip("Close backup window");
    exitbutton->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    exitbutton->setText("Close");
    exitbutton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_copybutton, 1);
    buttons->addWidget(exitbutton);
    layout->addLayout(buttons);

    for (const BackupRoot& root : roots)
        addRoot(root);
    if (m_DriveList->count() > 0) m_DriveList->setCurrentRow(0);

    m_Timer1 = new QTimer(this);
    m_Timer1->setObjectName("Timer1");
    m_Timer1->setSingleShot(true);
    m_Timer1->setInterval(2000);
    // Focus goes to the destination once the window is up.
    auto* timer2 = new QTimer(this);
    timer2->setObjectName("Timer2");
    timer2->setSingleShot(true);
    timer2->setInterval(300);
    connect(timer2, &QTimer::timeout, m_DriveList, qOverload<>(&QWidget::setFocus));
    timer2->start();

    connect(browsebutton, &QPushButton::clicked, this, &BackupWindow::browsebutton_Click);
    connect(m_copybutton, &QPushButton::clicked, this, &BackupWindow::copybutton_Click);
    connect(m_DriveList, &QListWidget::itemDoubleClicked, this, &BackupWindow::copybutton_Click);
    connect(exitbutton, &QToolButton::clicked, this, &QWidget::close);
    connect(m_Timer1, &QTimer::timeout, this, &BackupWindow::Timer1_Timer);

    resize(480, 360);
    centreBelowMiddle(*this, 100);
}

void BackupWindow::addRoot(const BackupRoot& root) {
    auto* item = new QListWidgetItem(qs(root.label), m_DriveList);
    item->setData(PathRole, qs(root.path.string()));
}

void BackupWindow::browsebutton_Click() {
    QListWidgetItem* current = m_DriveList->currentItem();
    std::string start = current ? str(current->data(PathRole).toString()) : std::string();
    std::optional<std::string> folder = m_dialogs.folderName("Choose the location for your backup", start);
    if (!folder || folder->empty()) return;
    addRoot(chosenBackupRoot(*folder));
    m_DriveList->setCurrentRow(m_DriveList->count() - 1);
}

void BackupWindow::copybutton_Click() {
    QListWidgetItem* current = m_DriveList->currentItem();
    if (!current || m_Timer1->isActive()) {
        m_dialogs.beep();
        return;
    }
    m_dialogs.setBusy(true);
    Failure failure = BackupDataFiles(m_store, str(current->data(PathRole).toString()));
    if (failure) {
        // The window stays open for another try.
        m_dialogs.setBusy(false);
        m_dialogs.messageBox(*failure);
        return;
    }
    // No message: the window closing two seconds later tells the user it is done.
    m_Timer1->start();
}

void BackupWindow::Timer1_Timer() {
    m_dialogs.setBusy(false);
    close();
}

void BackupWindow::closeEvent(QCloseEvent* event) {
    if (m_Timer1->isActive()) {
        m_Timer1->stop();
        m_dialogs.setBusy(false);
    }
    QWidget::closeEvent(event);
    emit closed();
}

} // namespace tallyrock
