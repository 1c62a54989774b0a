#include "WhsFiles.h"

#include "ChangeSet.h"
#include "FileNames.h"
#include "LineReader.h"
#include "NumberText.h"
#include "SettingsFile.h"

#include <algorithm>
#include <cmath>

namespace tallyrock {
namespace fs = std::filesystem;

const TeeHoles* WhsTables::tee(int course, int teeNumber) const {
    auto it = tees.find({course, teeNumber});
    return it == tees.end() ? nullptr : &it->second;
}

int WhsTables::pccOn(int course, int32_t dateKey) const {
    auto it = pcc.find({course, dateKey});
    return it == pcc.end() ? 0 : it->second;
}

Message whsFileLoadFailure(const std::string& fileName) {
    return {
        "Tallyrock",
        joinLines({"Unable to read " + fileName + ":", "it is not a file Tallyrock wrote.",
                   "Its values are not used; the file is kept beside the new one when they are set again."}),
        Icon::Exclamation};
}

Message whsFileSaveFailure(const std::string& fileName) {
    return {"Tallyrock", "Unable to save " + fileName + " to disk", Icon::Exclamation};
}

namespace {

// 600 tees of 24 short lines, or some thousands of dates: far below these.
constexpr std::uintmax_t MaxWhsFileBytes = 4u << 20;
constexpr int MaxPccEntries = 100000;

// None given (all 0), or a permutation of 1..18.
bool validIndexes(const std::array<int16_t, 19>& si) {
    if (std::all_of(si.begin() + 1, si.end(), [](int16_t v) { return v == 0; })) return true;
    std::array<bool, 19> seen{};
    for (std::size_t h = 1; h <= 18; ++h) {
        auto v = static_cast<std::size_t>(si[h]);
        if (si[h] < 1 || si[h] > 18 || seen[v]) return false;
        seen[v] = true;
    }
    return true;
}

bool readTee(LineReader& in, WhsTables& tables) {
    int16_t course = 0, tee = 0;
    TeeHoles holes;
    if (!in.integerIn(course, 1, MaxCourses) || !in.integerIn(tee, 1, 3)) return false;
    for (std::size_t h = 1; h <= 18; ++h)
        if (!in.integerIn(holes.StrokeIndex[h], 0, 18)) return false;
    if (!validIndexes(holes.StrokeIndex)) return false;
    for (float* value : {&holes.FrontRating, &holes.FrontSlope, &holes.BackRating, &holes.BackSlope})
        if (!in.number(*value) || !(*value >= 0 && *value < 1000)) return false;
    return tables.tees.emplace(std::pair<int, int>{course, tee}, holes).second;
}

bool readPcc(LineReader& in, WhsTables& tables) {
    int16_t course = 0, month = 0, day = 0, year = 0, value = 0;
    if (!in.integerIn(course, 1, MaxCourses) || !in.integerIn(month, 1, 12) || !in.integerIn(day, 1, 31) ||
        !in.integerIn(year, 0, 99) || !in.integerIn(value, -1, 3))
        return false;
    int32_t key = fullYear(year) * 10000 + month * 100 + day;
    return tables.pcc.emplace(std::pair<int, int32_t>{course, key}, value).second;
}

// Reads one file into a fresh table; a missing file is an empty table.
template <typename ReadEntry>
Failure loadOne(Store& store, const char* name, int most, bool& failed, ReadEntry readEntry) {
    failed = false;
    fs::path path = resolveFile(store.workDir, name);
    std::error_code ec;
    bool present = fs::exists(path, ec);
    auto in = LineReader::open(path, MaxWhsFileBytes);
    noteRead(store, path, in);
    if (!present) return std::nullopt;
    int16_t count = 0;
    bool ok = in && in->integerIn(count, 0, std::min(most, 32767));
    for (int i = 0; ok && i < count; ++i)
        ok = readEntry(*in);
    if (ok) return std::nullopt;
    failed = true;
    return whsFileLoadFailure(name);
}

Failure saveOne(Store& store, const char* name, bool empty, bool loadFailed, const std::string& text) {
    fs::path target = resolveFile(store.workDir, name);
    std::error_code ec;
    bool present = fs::exists(target, ec);
    if (empty && !present) return std::nullopt; // created only when used
    ChangeSet change(store);
    if (loadFailed && present) {
        fs::path keep = freeSideName(store.workDir, target.filename().string(), ".damaged");
        if (!copyFileAtomically(*store.writer, target, keep)) return whsFileSaveFailure(name);
    }
    if (!store.writer->writeFile(target, text)) return whsFileSaveFailure(name);
    return change.commit();
}

} // namespace

Failure LoadWhsCourseFiles(Store& store) {
    WhsTables& t = store.whs;
    t.tees.clear();
    t.pcc.clear();
    Failure tees = loadOne(store, WhsTeesFileName, MaxCourses * 3, t.teesLoadFailed,
                           [&t](LineReader& in) { return readTee(in, t); });
    if (tees) t.tees.clear();
    Failure pcc = loadOne(store, WhsPccFileName, MaxPccEntries, t.pccLoadFailed,
                          [&t](LineReader& in) { return readPcc(in, t); });
    if (pcc) t.pcc.clear();
    return tees ? tees : pcc;
}

std::string whsTeesText(const WhsTables& tables) {
    std::string out = fileNumber(static_cast<int>(tables.tees.size())) + "\r\n";
    for (const auto& [key, holes] : tables.tees) {
        out += fileNumber(key.first) + "\r\n" + fileNumber(key.second) + "\r\n";
        for (std::size_t h = 1; h <= 18; ++h)
            out += fileNumber(int{holes.StrokeIndex[h]}) + "\r\n";
        for (float value : {holes.FrontRating, holes.FrontSlope, holes.BackRating, holes.BackSlope})
            out += fileNumber(value) + "\r\n";
    }
    return out;
}

std::string whsPccText(const WhsTables& tables) {
    std::string out = fileNumber(static_cast<int>(tables.pcc.size())) + "\r\n";
    for (const auto& [key, value] : tables.pcc) {
        int32_t date = key.second;
        for (int v : {key.first, date / 100 % 100, date % 100, date / 10000 % 100, int{value}})
            out += fileNumber(v) + "\r\n";
    }
    return out;
}

Failure SaveWhsTees(Store& store) {
    Failure f = saveOne(store, WhsTeesFileName, store.whs.tees.empty(), store.whs.teesLoadFailed,
                        whsTeesText(store.whs));
    if (!f) store.whs.teesLoadFailed = false;
    return f;
}

Failure SaveWhsPcc(Store& store) {
    Failure f =
        saveOne(store, WhsPccFileName, store.whs.pcc.empty(), store.whs.pccLoadFailed, whsPccText(store.whs));
    if (!f) store.whs.pccLoadFailed = false;
    return f;
}

void LoadWhsSettings(Store& store) {
    Settings& s = store.settings;
    Settings defaults;
    s.WhsAllowance = defaults.WhsAllowance;
    s.WhsNineFactor = defaults.WhsNineFactor;
    s.WhsNineBase = defaults.WhsNineBase;
    fs::path path = resolveFile(settingsFolder(store), WhsSettingsFileName);
    auto in = LineReader::open(path, 64u << 10);
    noteRead(store, path, in);
    float allowance = 0, factor = 0, base = 0;
    if (!in || !in->number(allowance) || !in->number(factor) || !in->number(base)) return;
    if (allowance >= 1 && allowance <= 100) s.WhsAllowance = static_cast<int16_t>(std::lround(allowance));
    if (factor >= 0 && factor <= 1) s.WhsNineFactor = static_cast<int16_t>(std::lround(factor * 100));
    if (base >= 0 && base <= 5) s.WhsNineBase = static_cast<int16_t>(std::lround(base * 10));
}

std::string whsSettingsText(const Settings& s) {
    return fileNumber(int{s.WhsAllowance}) + "\r\n" + fileNumber(toSingle(s.WhsNineFactor / 100.0)) + "\r\n" +
           fileNumber(toSingle(s.WhsNineBase / 10.0)) + "\r\n";
}

bool whsSettingsChanged(const Settings& s) {
    Settings d;
    return s.WhsAllowance != d.WhsAllowance || s.WhsNineFactor != d.WhsNineFactor ||
           s.WhsNineBase != d.WhsNineBase;
}

bool SaveWhsSettings(Store& store) {
    fs::path folder = settingsFolder(store);
    std::error_code ec;
    if (!folder.empty()) fs::create_directories(folder, ec);
    ChangeSet change(store);
    return store.writer->writeFile(resolveFile(folder, WhsSettingsFileName),
                                   whsSettingsText(store.settings)) &&
           !change.commit();
}

} // namespace tallyrock
