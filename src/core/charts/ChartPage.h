#pragma once
// The printed page the pie chart and the trend graph share: the picture across
// the top, captions under it, the date at the foot.

#include "services/Canvas.h"
#include "services/Clock.h"
#include "services/ReportPrinter.h"

#include <string>

namespace tallyrock {

// The space printed after each caption.
extern const std::string CaptionGap;

// Names the document, selects the report printer and draws the picture across
// the top of the page, `heightDivisor` parts of the page's height tall.
void startChartPage(ReportPrinter& printer, const std::string& documentName, const Canvas& picture,
                    double heightDivisor);
// The date at the foot of the page; the document ends.
void finishChartPage(ReportPrinter& printer, const Date& today);

} // namespace tallyrock
