#pragma once

#include <string>
#include <vector>

namespace zf {

enum class SlipType { Romande, SwissLos };

// One mark of the slip: "x" in Arial bold 8 pt at a position in report units
// (1/96 inch) from the page's top-left corner. A mark with nothing to show
// stays on the page with a blank text.
struct SlipMark {
    enum class Kind { Number, Dream, Option };
    Kind kind = Kind::Number;
    int row = 0;   // tip 1..14; option J 1..3
    int field = 0; // number field 1..6; the dream number 1..5; 0 for options
    int left = 0;
    int top = 0;
    bool shown = false;

    bool operator==(const SlipMark&) const = default;
};

// The picture of the slip, printed under the marks in test mode: drawn at its
// natural size from the element's top-left corner and clipped to the element.
struct SlipPicture {
    bool printed = false;
    std::string file; // "Romande.jpg" or "SwissLos.jpg"
    std::string path; // where it was found; empty when missing
    int left = 10;
    int top = -5;
    int width = 785;
    int height = 469;
};

// The one page of the slip print.
struct SlipPage {
    static constexpr const char* kMarkText = "x";
    static constexpr int kMarkPoints = 8;
    static constexpr int kUnitsPerInch = 96;

    std::string paperName = "A4";
    double paperWidthMm = 210; // the sheet held upright
    double paperLengthMm = 297;
    bool landscape = false;
    double bottomMarginMm = 10;
    SlipPicture picture;
    std::vector<SlipMark> marks; // all 101, in print order

    // The page as printed, turned when landscape.
    double widthMm() const { return landscape ? paperLengthMm : paperWidthMm; }
    double heightMm() const { return landscape ? paperWidthMm : paperLengthMm; }
};

} // namespace zf
