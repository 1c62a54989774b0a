// The main window's Edit > Undo, and the question asked before rounds
// recorded but not saved would be dropped.
#include "MainWindow.h"

#include "CourseSelectionPanel.h"
#include "RoundsArea.h"
#include "handicap/RoundRecorder.h"
#include "print/PrintFonts.h"
#include "services/BusyPointer.h"
#include "services/QtText.h"
#include "store/ChangeSet.h"
#include "store/FileNames.h"
#include "store/LeagueFile.h"
#include "store/UndoLog.h"
#include "views/StartUp.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>

namespace tallyrock {

bool MainWindow::settleUnsavedRounds() {
    int count = unsavedRounds(m_store);
    if (count == 0) return true;
    Answer answer =
        m_services.dialogs.messageBox(unsavedRoundsQuestion(count), Buttons::YesNoCancel, Answer::Yes);
    if (answer == Answer::Cancel) return false;
    if (answer == Answer::No) {
        forgetUnsavedRounds(m_store); // what comes next reads the files over them
        return true;
    }
    Failure failure = whileBusy(m_services.dialogs, [&] { return RoundRecorder(m_store).FinishEntry(); });
    if (failure) m_services.dialogs.messageBox(*failure);
    return !failure;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (settleUnsavedRounds())
        event->accept();
    else
        event->ignore();
}

// The tool or another window may have changed the files since the item was named.
void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange || event->type() == QEvent::EnabledChange)
        refreshUndoItem();
    QMainWindow::changeEvent(event);
}

void MainWindow::buildUndoItem(QMenu* edit) {
    QAction* first = edit->actions().value(0);
    m_undoMenu = new QAction("Undo", edit);
    m_undoMenu->setObjectName("undomenu");
    m_undoMenu->setShortcut(QKeySequence::Undo);
    m_undoMenu->setEnabled(false);
    edit->insertAction(first, m_undoMenu);
    edit->insertSeparator(first);
    connect(m_undoMenu, &QAction::triggered, this, &MainWindow::undoNewestChange);
    connect(edit, &QMenu::aboutToShow, this, &MainWindow::refreshUndoItem);
}

void MainWindow::refreshUndoItem() {
    if (!m_undoMenu) return;
    std::vector<UndoEntry> list = undoList(m_store);
    QString label = list.empty() ? QString() : qs(list.front().label).replace('&', "&&");
    m_undoMenu->setText(label.isEmpty() ? QString("Undo") : "Undo " + label);
    m_undoMenu->setEnabled(!list.empty());
}

void MainWindow::undoNewestChange() {
    std::vector<UndoEntry> named = undoList(m_store);
    bool unsaved = unsavedRounds(m_store) > 0;
    if (!settleUnsavedRounds()) return;
    std::vector<UndoEntry> now = undoList(m_store);
    if (!now.empty() && (named.empty() || now.front().number != named.front().number)) {
        // The rounds were saved: that save is the newest change now, and the item names it.
        refreshUndoItem();
        return;
    }
    if (m_coursePanel->isVisible()) cancelCourseChoice(); // its list may no longer be the file's
    std::string label;
    Failure failure = whileBusy(m_services.dialogs, [&] { return undoLastChange(m_store, &label); });
    if (failure) m_services.dialogs.messageBox(*failure);
    // Rounds the user chose to drop are dropped even when nothing was undone.
    if (!failure || unsaved) reloadFiles();
    if (!failure) showAction("Undone: " + qs(label));
    refreshUndoItem();
}

void MainWindow::reloadFiles() {
    const std::string open = m_store.league.LeagueFilePath;
    StartUpResult start = loadAtStartUp(m_store);
    if (start.listFailure) m_services.dialogs.messageBox(*start.listFailure);
    setLeagueMenu(start.leagueMenu);
    m_roundsArea->setListFont(printFont(m_store.settings.FontName, 9, false));
    if (open.empty()) return;
    for (std::size_t k = 0; k < start.leagueMenu.size() && !start.listFailure; ++k)
        if (start.leagueMenu[k] != NoEntries && equalsIgnoringCase(start.leagueMenu[k] + ".LGE", open)) {
            OpenLeague(static_cast<int>(k));
            return;
        }
    // The undo took the open league away.
    letLeagueGo(m_store, open);
    ClearLeague(m_store);
    m_store.league.LeagueFilePath.clear();
    showNoLeagueOpen();
}

} // namespace tallyrock
