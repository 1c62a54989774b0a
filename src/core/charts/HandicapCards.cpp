#include "HandicapCards.h"

#include "handicap/WhsEngine.h"
#include "services/PrintJob.h"
#include "store/FileNames.h"
#include "store/NumberText.h"
#include "store/SettingsFile.h"

namespace tallyrock {

namespace {

const std::string& courseInitials(const CourseTable& courses, int c) {
    static const std::string none;
    if (c < 0 || c > MaxCourses) return none;
    return courses.CourseField[c][field::Initials];
}

// The lowest marked player becomes the current one and loses its mark; 0 when none is marked.
void findnextplayer(Store& store) {
    store.CurrentPlayer = 0;
    for (int p = 1; p <= MaxPlayers; ++p) {
        if (store.player(p).PlayerMark != 0) {
            store.player(p).PlayerMark = 0;
            store.CurrentPlayer = static_cast<int16_t>(p);
            return;
        }
    }
}

struct CardItem {
    double fontSize;
    double top; // fraction of the page height, before scaling
    std::string text;
};

// One card for CurrentPlayer at sheet position c.
void PrintCards(Store& store, ReportPrinter& printer, int c, const std::array<std::string, 5>& roundLines,
                const std::string& comment, const Canvas& picture) {
    const Settings& settings = store.settings;
    const double W = printer.pageWidth(), H = printer.pageHeight(), s = settings.CardScaling;
    const PlayerRecord& player = store.player(store.CurrentPlayer);
    const RoundRecord& latest = player.round[player.RoundCount];

    double x = 0.39 * W, y = 0.06 * H * s;
    AdjustPosition(c, x, y, W, H, settings);
    printer.drawPicture(picture, x, y, 0.07 * W, 0.077 * H * s);

    // Under the World Handicap System: the course and playing handicap of the
    // default tee on the newest round's course, and whose index it is.
    std::string handicaps = " CHCP: " + generalHandicap(latest.RoundCourseHcp);
    std::string note = comment;
    if (whsMethod(settings)) {
        WhsPlayerWork work = playerWhs(store, store.CurrentPlayer);
        auto text = [](const std::optional<int>& v) {
            return v ? plainNumber(*v) : std::string(NoHandicapText);
        };
        handicaps = " CHCP: " + text(work.courseHandicap) + "  PHCP: " + text(work.playingHandicap);
        note = std::string("Index ") + WhsIndexNote + (comment.empty() ? "" : ". " + comment);
    }
    const std::array<CardItem, 8> items{{
        {12, 0.055, player.PlayerName},
        {10, 0.085, "  Hcp Index: " + generalHandicap(latest.RoundIndex)},
        {10, 0.11, courseInitials(store.courses, latest.RoundCourse) + handicaps},
        {9, 0.142, roundLines[1]},
        {9, 0.152, roundLines[2]},
        {9, 0.162, roundLines[3]},
        {9, 0.172, roundLines[4]},
        {9, 0.19, note},
    }};
    for (const CardItem& item : items) {
        // The line of one space that starts the job is printed before the item is placed.
        SelectReportPrinter(printer);
        printer.setFontName(settings.FontName);
        printer.setFontSize(item.fontSize);
        x = 0.11 * W;
        y = item.top * H * s;
        AdjustPosition(c, x, y, W, H, settings);
        printer.setCurrentX(x);
        printer.setCurrentY(y);
        printer.print(item.text);
    }
}

} // namespace

CardForm openCardForm(Settings& settings) {
    if (settings.CardScaling == 0) settings.CardScaling = 1.0f;
    return {generalNumber(settings.CardHOffset), generalNumber(settings.CardWDOffset),
            formatPattern(settings.CardScaling, "#0.000")};
}

void takeCardForm(Settings& settings, const CardForm& form) {
    settings.CardHOffset = toSingle(leadingNumber(form.hOffset));
    settings.CardWDOffset = toSingle(leadingNumber(form.wdOffset));
    settings.CardScaling = toSingle(leadingNumber(form.scaling));
}

std::string scalingBoxText(const std::string& text) {
    return generalNumber(toSingle(leadingNumber(text)));
}

void closeCardForm(Store& store, const CardForm& form) {
    takeCardForm(store.settings, form);
    SaveSettings(store);
}

std::string cardsToPrintText(int selected) {
    std::string number = plainNumber(selected);
    return "Cards to Print : " + (selected < 0 ? number : " " + number);
}

Message cardPrintQuestion() {
    return {
        "Tallyrock",
        joinLines({"Ready to print handicap cards?", "", "Note: With some printers it may work",
                   "best to select 10 players at a time and", "print each sheet of 10 cards individually."}),
        Icon::None};
}

Message noPlayersSelected() {
    return {"Tallyrock", "No Players selected, cannot continue.", Icon::None};
}

Message cardStockAdvice() {
    return {
        "Tallyrock",
        joinLines({"Use Standard business card stock (10 per page) for",
                   "Hcp card printing.  Test alignment on a", "regular sheet of paper first.",
                   "If necessary, the starting offsets can be", "changed to position the printing correcly.",
                   "Positive values will move the print to the right",
                   "or downward, negative values will move the print", "to the left or higher on the page.",
                   "The Vertical Scaling factor will make each",
                   "row of cards print slightly taller or shorter", "so all rows can be aligned correctly"}),
        Icon::None};
}

std::string cardRoundEntry(const std::string& initials, int gross) {
    std::string name = initials.empty() ? " -  " : initials;
    std::size_t length = charCount(name);
    if (length < 4) name = std::string(4 - length, ' ') + name;
    return name + plainNumber(gross) + (gross < 100 ? "  " : " ");
}

std::array<std::string, 5> cardRoundLines(const Store& store, int p) {
    std::array<std::string, 5> lines;
    const PlayerRecord& player = store.player(p);
    for (int k = 1; k <= 4; ++k) {
        for (int r = k; r <= player.RoundCount && r <= MaxRounds; r += 4) {
            const RoundRecord& round = player.round[r];
            int gross = round.HoleScore[OutSlot] + round.HoleScore[InSlot];
            lines[k] += cardRoundEntry(courseInitials(store.courses, round.RoundCourse), gross);
        }
    }
    return lines;
}

void AdjustPosition(int c, double& x, double& y, double pageWidth, double pageHeight,
                    const Settings& settings) {
    const double s = settings.CardScaling;
    if (c % 2 == 0) x += 0.42 * pageWidth;
    // The last row step is 0.774, not 0.776: the stock's bottom row sits a little higher.
    static constexpr double rowOffset[] = {0, 0, 0, 0.194, 0.194, 0.388, 0.388, 0.582, 0.582, 0.774, 0.774};
    if (c >= 1 && c <= CardsPerSheet) y += rowOffset[c] * pageHeight * s;
    y += settings.CardHOffset;
    x += settings.CardWDOffset;
}

void drawCardPicture(Canvas& canvas) {
    const double w = canvas.width(), h = canvas.height();
    const uint32_t sky = rgbColor(205, 230, 250), rough = rgbColor(34, 120, 50),
                   green = rgbColor(90, 190, 90);
    canvas.clear();
    canvas.setLineWidth(1);
    canvas.setColor(sky);
    canvas.setFillColor(sky);
    canvas.box(0, 0, w, 0.6 * h);
    canvas.setColor(rough);
    canvas.setFillColor(rough);
    canvas.box(0, 0.6 * h, w, 0.4 * h);
    // The putting green, the hole and the flag in it.
    canvas.setColor(green);
    canvas.setFillColor(green);
    canvas.pie(0.5 * w, 0.76 * h, 0.3 * w, 1, 1);
    canvas.setColor(BlackColor);
    canvas.setFillColor(BlackColor);
    canvas.pie(0.58 * w, 0.76 * h, 0.035 * w, 1, 1);
    canvas.setLineWidth(2);
    canvas.line(0.58 * w, 0.76 * h, 0.58 * w, 0.15 * h);
    canvas.setLineWidth(1);
    canvas.setFillColor(paletteColor(12));
    canvas.box(0.58 * w, 0.15 * h, 0.3 * w, 0.14 * h);
    // The ball.
    canvas.setFillColor(WhiteColor);
    canvas.pie(0.36 * w, 0.82 * h, 0.05 * w, 1, 1);
    canvas.setBold(true);
    canvas.setFontSize(10);
    canvas.text(0.08 * w, 0.05 * h, "HCP");
}

Failure PrintHandicapCards(Store& store, ReportPrinter& printer, const std::vector<int>& players,
                           const std::string& comment, const Canvas& picture) {
    for (int p = 1; p <= MaxPlayers; ++p)
        store.player(p).PlayerMark = 0;
    for (int p : players)
        if (p >= 1 && p <= MaxPlayers) store.player(p).PlayerMark = 1;
    int toPrint = 0;
    for (int p = 1; p <= MaxPlayers; ++p)
        toPrint += store.player(p).PlayerMark;
    if (toPrint == 0) return noPlayersSelected();

    printer.setDocumentName("Handicap cards");
    int position = 0, printed = 0;
    for (int k = 1; k <= store.league.PlayerCount; ++k) {
        findnextplayer(store);
        if (store.CurrentPlayer == 0) continue;
        std::array<std::string, 5> lines = cardRoundLines(store, store.CurrentPlayer);
        position = position % CardsPerSheet + 1;
        ++printed;
        PrintCards(store, printer, position, lines, comment, picture);
        if (position == CardsPerSheet && printed < toPrint) printer.newPage();
    }
    printer.endDoc();
    return std::nullopt;
}

} // namespace tallyrock
