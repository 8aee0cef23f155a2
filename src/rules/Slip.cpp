#include "rules/Slip.h"

#include "ground/Error.h"
#include "ground/Formats.h"

#include <cmath>

namespace zf {

namespace {

constexpr SlipGeometry kRomande{16, 13, 132, 1.5, {245, 413, 579}, 300, "Romande.jpg", 469};
constexpr SlipGeometry kSwissLos{19, 16, 186, -23.0, {185, 380, 572}, 400, "SwissLos.jpg", 550};

constexpr PaperFormat kPaper[] = {
    {"A4", 297, 210, false},
    {"A4 Quer", 297, 210, true},
    {"A5 Quer", 210, 148, true},
    {"18x10,6", 180, 106, true},
};

// Halves go to the even neighbour.
int roundHalfEven(double v)
{
    const double f = std::floor(v);
    const double rest = v - f;
    if (rest > 0.5)
        return static_cast<int>(f) + 1;
    if (rest < 0.5)
        return static_cast<int>(f);
    return std::fmod(f, 2.0) == 0 ? static_cast<int>(f) : static_cast<int>(f) + 1;
}

// The top-left corner of slip field `slot`.
Position fieldCorner(SlipType type, int slot, int top, int left)
{
    const SlipGeometry& g = slipGeometry(type);
    return {left + pairOffset(type, slot / 2), top + (slot % 2) * g.bandOffset};
}

} // namespace

SlipType slipTypeOf(const std::string& text)
{
    return text == "Romande" ? SlipType::Romande : SlipType::SwissLos;
}

const char* slipTypeName(SlipType type)
{
    return type == SlipType::Romande ? "Romande" : "SwissLos";
}

const SlipGeometry& slipGeometry(SlipType type)
{
    return type == SlipType::Romande ? kRomande : kSwissLos;
}

int pairOffset(SlipType type, int pair)
{
    const SlipGeometry& g = slipGeometry(type);
    return pair * 8 * g.fieldWidth + roundHalfEven(pair * g.pairDrift);
}

Position numberMarkAt(SlipType type, int slot, int n, int top, int left)
{
    const SlipGeometry& g = slipGeometry(type);
    const Position c = fieldCorner(type, slot, top, left);
    return {c.left + (n - 1) % 6 * g.fieldWidth, c.top + (n - 1) / 6 * g.fieldHeight};
}

Position dreamMarkAt(SlipType type, int slot, int z, int top, int left)
{
    const SlipGeometry& g = slipGeometry(type);
    const Position c = fieldCorner(type, slot, top, left);
    if (type == SlipType::Romande)
        return {c.left + 6 * g.fieldWidth + g.fieldWidth / 2,
                c.top + (z - 1) * g.fieldHeight + z * (g.fieldHeight / 4)};
    // two rows below the numbers: three boxes, then two shifted by half a field
    const int line = (z - 1) / 3;
    return {c.left + (g.fieldWidth + 2) * ((z - 1) % 3) + (g.fieldWidth / 2) * line + 3,
            c.top + 7 * g.fieldHeight + (g.fieldHeight - 4) * line + 3};
}

Position optionMarkAt(SlipType type, int j, int top, int left)
{
    const SlipGeometry& g = slipGeometry(type);
    return {left + g.optionLeft[static_cast<size_t>(j - 1)], top + g.optionTop};
}

const PaperFormat* paperFormat(int index)
{
    if (index < 0 || index >= static_cast<int>(std::size(kPaper)))
        return nullptr;
    return &kPaper[index];
}

SlipPage buildSlipPage(const TipSheet& sheet, const SlipSettings& settings)
{
    const SlipType type = settings.type;
    const SlipGeometry& g = slipGeometry(type);
    SlipPage page;
    // any other index leaves the page as it was: A4 upright
    if (const PaperFormat* p = paperFormat(settings.paper)) {
        page.paperName = p->name;
        page.paperLengthMm = p->lengthMm;
        page.paperWidthMm = p->widthMm;
        page.landscape = p->landscape;
    }
    page.picture.printed = settings.testPicture;
    page.picture.file = g.pictureFile;
    page.picture.height = g.pictureHeight;

    int slot = 0;
    for (int row = 0; row < TipSheet::kRows; ++row) {
        // an empty tip takes no slip field; tip 1 always has the first
        if (row > 0 && !sheet.cell(row, 0).empty())
            ++slot;
        for (int col = 0; col < TipSheet::kCols; ++col) {
            SlipMark m{SlipMark::Kind::Number, row + 1, col + 1};
            const std::string& text = sheet.cell(row, col);
            if (!text.empty()) {
                const auto n = tryToInt(text);
                if (!n || *n < 1 || *n > 40)
                    throw ConvertError(Text::SlipNumberNotValid,
                                       {std::to_string(row + 1), std::to_string(col + 1), text});
                const Position p = numberMarkAt(type, slot, *n, settings.top, settings.left);
                // the fifth tip's first mark sits 3 units further right
                m.left = p.left + (row == 4 && col == 0 ? 3 : 0);
                m.top = p.top;
                m.shown = true;
            }
            page.marks.push_back(m);
        }
        SlipMark d{SlipMark::Kind::Dream, row + 1, 0};
        const std::string& text = sheet.dream(row);
        if (text != "-") {
            const auto z = tryToInt(text);
            if (!z || *z < 1 || *z > 5)
                throw ConvertError(Text::SlipDreamNotValid, {std::to_string(row + 1), text});
            const Position p = dreamMarkAt(type, slot, *z, settings.top, settings.left);
            d.field = *z;
            d.left = p.left;
            d.top = p.top;
            d.shown = true;
        }
        page.marks.push_back(d);
    }
    for (int j = 1; j <= 3; ++j) {
        const Position p = optionMarkAt(type, j, settings.top, settings.left);
        page.marks.push_back(
            SlipMark{SlipMark::Kind::Option, j, 0, p.left, p.top, settings.joker[static_cast<size_t>(j - 1)]});
    }
    return page;
}

TipCounts countTips(const TipSheet& sheet)
{
    TipCounts c;
    for (int row = 0; row < TipSheet::kRows; ++row) {
        if (!sheet.cell(row, 0).empty())
            ++c.tipp;
        if (sheet.dream(row) != "-")
            ++c.plus;
    }
    return c;
}

PlayedDays dayPreset(int today)
{
    // weekday(): 0 Monday .. 6 Sunday
    const int w = weekday(today);
    const bool sundayToWednesday = w == 6 || w <= 2;
    return {!sundayToWednesday, sundayToWednesday};
}

double slipCost(const TipCounts& counts, const std::array<bool, 3>& joker, const PlayedDays& days)
{
    if (!days.samstag && !days.mittwoch)
        return 0;
    double sum = 1.5 * counts.tipp + counts.plus;
    for (bool j : joker)
        if (j)
            sum += 2;
    return days.samstag && days.mittwoch ? 2 * sum : sum;
}

std::string formatCost(double cost)
{
    return formatCurrency(cost, "€");
}

} // namespace zf
