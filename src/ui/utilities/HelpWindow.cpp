#include "HelpWindow.h"

#include "ScreenPlacement.h"
#include "print/QtReportPrinter.h"
#include "services/Dialogs.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFrame>

// The document is compiled into the library; a static library has to register it itself.
static void registerHelpDocument() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(tallyrock_help);
        return true;
    }();
    (void)registered;
}

namespace tallyrock {

namespace {

struct TopicEntry {
    HelpTopic topic;
    const char* anchor;   // the name of the topic's heading in the document
    const char* menuName; // the "Go to Topic" item, nullptr for a topic without one
    const char* menuCaption;
};

// Document order, which is also the order of the "Go to Topic" menu.
constexpr TopicEntry Topics[] = {
    {HelpTopic::Contents, "", "ContentsMenu", "Contents"},
    {HelpTopic::Purpose, "purpose", "PurposeMenu", "Purpose and Intent"},
    {HelpTopic::GettingStarted, "getting-started", "GettingStartedMenu", "Getting Started"},
    {HelpTopic::QuickStart, "quick-start", nullptr, nullptr},
    {HelpTopic::PlayersNeeds, "players-need", nullptr, nullptr},
    {HelpTopic::Definitions, "definitions", "DefinitionsMenu", "Definitions and Terms"},
    {HelpTopic::CreatingLeague, "creating-league", "CreatingMenu", "Creating a League File"},
    {HelpTopic::AddingPlayers, "adding-players", "AddingPlayersMenu", "Adding Players"},
    {HelpTopic::Courses, "courses", "CoursesMenu", "Courses"},
    {HelpTopic::EnteringScores, "entering-scores", "EnterScoresMenu", "Entering Scores"},
    {HelpTopic::Viewing, "viewing", "ViewMenu", "Viewing the Information"},
    {HelpTopic::Printing, "printing", "PrintingMenu", "Listings, Printing and Export"},
    {HelpTopic::CorrectingRound, "correcting", "EditRoundMenu", "Edit / Correct a Round"},
    {HelpTopic::ProgramSettings, "settings", "SettingsMenu", "Program Settings"},
    {HelpTopic::PrinterFont, "printer-font", nullptr, nullptr},
    {HelpTopic::TeamRecords, "teams", "TeamMenu", "Team Record Keeping"},
    {HelpTopic::Charts, "charts", "ChartsMenu", "Charts and Trends"},
    {HelpTopic::HandicapCards, "cards", "CardsMenu", "Handicap Cards"},
    {HelpTopic::BackupRestore, "backup", "BackupMenu", "Backup and Restore"},
    {HelpTopic::DataFiles, "data-files", "DataFilesMenu", "Your Data Files"},
    {HelpTopic::CommandLine, "command-line", "CommandLineMenu", "The Command-Line Tool"},
    {HelpTopic::OfficialHandicaps, "official", "OfficialHandicapsMenu", "About Official Handicaps"},
    {HelpTopic::CourseHandicap, "course-handicap", "CourseHandicapMenu", "Course Handicap Calculation"},
    {HelpTopic::NineHoleRounds, "nine-hole", "NineHoleMenu", "Nine Hole Rounds"},
    {HelpTopic::Toolbar, "toolbar", "ToolbarMenu", "ToolBar Operation"},
    {HelpTopic::Tips, "tips", nullptr, nullptr},
};

const char* anchorOf(HelpTopic topic) {
    for (const TopicEntry& entry : Topics)
        if (entry.topic == topic) return entry.anchor;
    return "";
}

// Sizes of the window in twips (1/1440 inch), by screen width.
constexpr int WideWidth = 10500, WideHeight = 6764, NarrowWidth = 7455, NarrowHeight = 6765;
constexpr int BelowCentre = 100;

bool askWithPrintDialog(QPrinter& printer, bool selectionPreset, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    QAbstractPrintDialog::PrintDialogOptions options = dialog.options();
    options.setFlag(QAbstractPrintDialog::PrintPageRange, false);
    options.setFlag(QAbstractPrintDialog::PrintSelection, selectionPreset);
    dialog.setOptions(options);
    if (selectionPreset) dialog.setPrintRange(QAbstractPrintDialog::Selection);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

// The rich text box: read-only, and a click anywhere on a line of the contents
// list (not only on its words) goes to that topic.
class HelpTextView : public QTextBrowser {
  public:
    using Jump = std::function<void(const QString& anchor)>;

    HelpTextView(QWidget* parent, Jump jump) : QTextBrowser(parent), m_jump(std::move(jump)) {
        setOpenLinks(false);
        setOpenExternalLinks(false);
        connect(this, &QTextBrowser::anchorClicked, this,
                [this](const QUrl& url) { m_jump(url.fragment()); });
    }

    // The document grows by a screenful at its end, so that the last topics
    // can also be scrolled up to the top.
    void keepRoomBelow() {
        QTextFrame* root = document()->rootFrame();
        QTextFrameFormat format = root->frameFormat();
        qreal room = viewport()->height();
        if (format.bottomMargin() == room) return;
        format.setBottomMargin(room);
        root->setFrameFormat(format);
    }

    // The topic a contents line stands for, or empty for any other block.
    static QString contentsAnchor(const QTextBlock& block) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            QString href = it.fragment().charFormat().anchorHref();
            if (href.startsWith('#')) return href.mid(1);
        }
        return {};
    }

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        bool onLink = !anchorAt(event->position().toPoint()).isEmpty();
        QTextBrowser::mouseReleaseEvent(event); // a click on the words themselves is handled as a link
        if (event->button() != Qt::LeftButton || onLink || textCursor().hasSelection()) return;
        QString anchor = contentsAnchor(cursorForPosition(event->position().toPoint()).block());
        if (!anchor.isEmpty()) m_jump(anchor);
    }

    void resizeEvent(QResizeEvent* event) override {
        QTextBrowser::resizeEvent(event);
        keepRoomBelow();
    }

  private:
    Jump m_jump;
};

HelpWindow::HelpWindow(Dialogs& dialogs, PrinterQuestion askPrinter, QtReportPrinter* printouts,
                       QWidget* parent)
    : QMainWindow(parent), m_dialogs(dialogs),
      m_askPrinter(askPrinter ? std::move(askPrinter) : PrinterQuestion(askWithPrintDialog)),
      m_printouts(printouts) {
    setObjectName("HelpForm");
    setWindowTitle(HelpWindowTitle);
    m_helpText = new HelpTextView(this, [this](const QString& anchor) { showAnchor(anchor); });
    m_helpText->setObjectName("RichTextBox1");
    setCentralWidget(m_helpText);
    buildMenus();
    loadDocument();
    placeOnScreen();
}

HelpWindow::~HelpWindow() = default;

QTextBrowser* HelpWindow::textView() const {
    return m_helpText;
}

void HelpWindow::buildMenus() {
    QMenu* topics = menuBar()->addMenu("Go to Topic");
    topics->setObjectName("TopicMenu");
    for (const TopicEntry& entry : Topics) {
        if (!entry.menuName) continue;
        QAction* action = topics->addAction(entry.menuCaption);
        action->setObjectName(entry.menuName);
        HelpTopic topic = entry.topic;
        connect(action, &QAction::triggered, this, [this, topic] { showTopic(topic); });
    }
    topics->addSeparator();
    QAction* exitItem = topics->addAction("Exit");
    exitItem->setObjectName("ExitMenu");
    connect(exitItem, &QAction::triggered, this, &HelpWindow::closeHelp);

    QMenu* print = menuBar()->addMenu("Print");
    print->setObjectName("Printmenu");
    QAction* selected = print->addAction("Print Selected Area");
    selected->setObjectName("PrintSelectedMenu");
    connect(selected, &QAction::triggered, this, &HelpWindow::printSelection);
    QAction* entire = print->addAction("Print Entire Instruction");
    entire->setObjectName("PrintEntireMenu");
    connect(entire, &QAction::triggered, this, &HelpWindow::printWholeDocument);

    QMenu* close = menuBar()->addMenu("Close");
    close->setObjectName("CloseMenu");
    QAction* closeItem = close->addAction("Close Help Window");
    closeItem->setObjectName("CloseHelpMenu");
    connect(closeItem, &QAction::triggered, this, &HelpWindow::closeHelp);
}

void HelpWindow::loadDocument() {
    registerHelpDocument();
    QFile file(":/help/tallyrock-help.html");
    if (file.open(QIODevice::ReadOnly)) m_helpText->setHtml(QString::fromUtf8(file.readAll()));
    m_helpText->keepRoomBelow();
}

void HelpWindow::placeOnScreen() {
    QScreen* screen = QGuiApplication::primaryScreen();
    bool wide = !screen || screen->geometry().width() >= 641;
    resize(twipsToPixels(wide ? WideWidth : NarrowWidth), twipsToPixels(wide ? WideHeight : NarrowHeight));
    centreBelowMiddle(*this, BelowCentre);
}

void HelpWindow::showTopic(HelpTopic topic) {
    showAnchor(anchorOf(topic));
}

void HelpWindow::showAnchor(const QString& anchor) {
    QTextDocument* document = m_helpText->document();
    QTextBlock heading = document->begin();
    if (!anchor.isEmpty()) {
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            bool found = false;
            for (auto it = block.begin(); !it.atEnd() && !found; ++it)
                found = it.fragment().charFormat().anchorNames().contains(anchor);
            if (found) {
                heading = block;
                break;
            }
        }
    }
    m_helpText->keepRoomBelow();
    QTextCursor caret(heading);
    m_helpText->setTextCursor(caret);
    // Scroll the heading's block straight to the top of the text.
    qreal top = document->documentLayout()->blockBoundingRect(heading).top();
    m_helpText->verticalScrollBar()->setValue(heading == document->begin() ? 0 : static_cast<int>(top));
}

void HelpWindow::printSelection() {
    printDocument(true);
}

void HelpWindow::printWholeDocument() {
    printDocument(false);
}

void HelpWindow::printDocument(bool selectedOnly) {
    bool hasSelection = m_helpText->textCursor().hasSelection();
    if (selectedOnly && !hasSelection) {
        m_dialogs.beep();
        return;
    }
    QPrinter printer;
    std::optional<std::filesystem::path> pdf = m_printouts ? m_printouts->printoutFile("Help") : std::nullopt;
    if (pdf) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf->string()));
    } else if (!m_askPrinter(printer, selectedOnly, this)) {
        return; // a cancel ends the request silently
    }
    // Whichever item was chosen, a selection prints only the selected part.
    printer.setPrintRange(hasSelection ? QPrinter::Selection : QPrinter::AllPages);
    m_helpText->print(&printer);
    if (pdf) m_printouts->printoutWritten(*pdf);
}

void HelpWindow::closeHelp() {
    hide();
    setEnabled(false);
    close();
}

void HelpWindow::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    emit closed();
}

} // namespace tallyrock
