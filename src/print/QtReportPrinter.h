#pragma once
// The report printer of the desktop program and of tallyrock-cli --pdf:
// QPrinter + QPainter. A job goes to the chosen printer, else to the system's
// default printer, else to a PDF file in Printouts/ named after the report
// and the time. Positions are twips from the top left of the printable area.

#include "PrinterChoice.h"
#include "services/ReportPrinter.h"

#include <QFont>
#include <QPainter>
#include <QPrinterInfo>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

class QPrinter;

namespace tallyrock {

class QtReportPrinter : public ReportPrinter, public PrinterChoice {
  public:
    // Printouts go into `printoutsFolder` (created on the first one).
    explicit QtReportPrinter(std::filesystem::path printoutsFolder);
    ~QtReportPrinter() override;
    QtReportPrinter(const QtReportPrinter&) = delete;
    QtReportPrinter& operator=(const QtReportPrinter&) = delete;

    // Every job is written to this PDF file instead (the command-line tool).
    void setPdfFile(const std::filesystem::path& file) { m_fixedPdf = file; }
    // Told the name of every PDF file a job has written.
    void setOnPdfWritten(std::function<void(const std::filesystem::path&)> listener) {
        m_onPdfWritten = std::move(listener);
    }

    // A document Qt prints itself (the help text) goes where the reports go:
    // to a printer while there is one (the caller asks with the print dialog,
    // nothing returned), otherwise, or when "PDF file" is chosen, to this new
    // PDF file in Printouts/, named after the document. Tell printoutWritten
    // once the file is written, so the program names it as it names the others.
    std::optional<std::filesystem::path> printoutFile(const std::string& documentName);
    void printoutWritten(const std::filesystem::path& file) {
        if (m_onPdfWritten) m_onPdfWritten(file);
    }

    std::vector<std::string> printerNames() const override;
    std::string chosenPrinter() const override { return m_choice; }
    void choosePrinter(const std::string& name) override { m_choice = name; }

    void setDocumentName(const std::string& name) override { m_documentName = name; }
    void setOrientation(Orientation orientation) override;
    void setFontName(const std::string& name) override {
        m_fontName = name;
        m_font.reset();
    }
    void setFontSize(double points) override {
        m_fontSize = points;
        m_font.reset();
    }
    void setBold(bool bold) override {
        m_bold = bold;
        m_font.reset();
    }
    void setTextColor(uint32_t rgb) override { m_textColor = rgb; }
    void setLineWidth(int width) override { m_lineWidth = width; }

    double currentX() const override { return m_x; }
    double currentY() const override { return m_y; }
    void setCurrentX(double twips) override { m_x = twips; }
    void setCurrentY(double twips) override { m_y = twips; }

    void print(const std::string& text, bool endLine = true) override;
    void drawLine(double x1, double y1, double x2, double y2) override;
    void drawPicture(const Canvas& picture, double x, double y, double width, double height) override;
    void newPage() override;
    void endDoc() override;

    double pageWidth() const override;
    double pageHeight() const override;
    double textWidth(const std::string& text) const override;
    double textHeight() const override;

  private:
    void beginJob();
    std::filesystem::path printoutName(const std::string& documentName) const;
    // The printer chosen, else the default one; none for PDF files.
    QPrinterInfo systemPrinter() const;
    QFont currentFont() const;
    double devicePerTwip() const;
    QPointF toDevice(double x, double y) const;

    std::filesystem::path m_folder, m_fixedPdf, m_pdfFile;
    std::function<void(const std::filesystem::path&)> m_onPdfWritten;
    std::string m_choice;
    std::unique_ptr<QPrinter> m_printer; // the job's printer while a job runs
    QPainter m_painter;

    std::string m_documentName = "Printout";
    Orientation m_orientation = Orientation::Portrait;
    std::string m_fontName = "Courier New";
    double m_fontSize = 10;
    bool m_bold = false;
    // The font those give, found once: finding it asks the system's font
    // configuration, which costs more than printing the line.
    mutable std::optional<QFont> m_font;
    uint32_t m_textColor = 0;
    int m_lineWidth = 1;
    double m_x = 0, m_y = 0;
};

} // namespace tallyrock
