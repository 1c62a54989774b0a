#pragma once
// The help window (HelpForm): the program's instructions, one rich-text
// document with a contents list at the top and a section per topic. It is
// modeless: it stays open beside the window that opened it and disables
// nothing. Other windows open it through HelpViewer::ShowHelpTopic.

#include "HelpViewer.h"

#include <QMainWindow>
#include <QString>
#include <functional>

class QPrinter;
class QTextBrowser;

namespace tallyrock {

class Dialogs;
class HelpTextView;
class QtReportPrinter;

inline constexpr const char* HelpWindowTitle = "Greenquill Information";

class HelpWindow : public QMainWindow {
    Q_OBJECT
  public:
    // Shows the print dialog for the printer, with the "selection" choice
    // preset when asked; false when the user cancels.
    using PrinterQuestion = std::function<bool(QPrinter& printer, bool selectionPreset, QWidget* parent)>;

    // With `printouts`, the text prints where the reports print: with no
    // printer, to a PDF file in Printouts/ without asking.
    explicit HelpWindow(Dialogs& dialogs, PrinterQuestion askPrinter = {},
                        QtReportPrinter* printouts = nullptr, QWidget* parent = nullptr);
    ~HelpWindow() override;

    // Caret to the topic's heading with an empty selection, and the heading
    // scrolled to the top of the text.
    void showTopic(HelpTopic topic);

    QTextBrowser* textView() const;

  signals:
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildMenus();
    void loadDocument();
    void placeOnScreen();
    void showAnchor(const QString& anchor);
    void printSelection();
    void printWholeDocument();
    void printDocument(bool selectedOnly);
    void closeHelp();

    Dialogs& m_dialogs;
    PrinterQuestion m_askPrinter;
    QtReportPrinter* m_printouts = nullptr;
    HelpTextView* m_helpText = nullptr;
};

} // namespace tallyrock
