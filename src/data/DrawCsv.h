#pragma once

#include "data/DrawFile.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zf {

// Draw histories as CSV files, as lottery operators publish them. Reading is a
// pure function of the file's bytes.

struct CsvRow {
    int line = 0; // 1-based line of the file
    std::vector<std::string> fields;
};

struct CsvTable {
    char delimiter = ';';
    std::vector<CsvRow> rows; // every line that is not blank, header included
};

// Splits the bytes into rows: a UTF-8 or UTF-16 byte-order mark is honoured,
// the delimiter (";", TAB or ",") is the one that splits the first lines most
// evenly, fields may be quoted with '"', blanks around fields are dropped.
CsvTable readCsv(std::string_view bytes);
CsvTable readCsv(std::string_view bytes, char delimiter);

// Which column (0-based) holds what.
struct CsvColumns {
    int date = 0;
    std::array<int, 6> numbers{1, 2, 3, 4, 5, 6};
    int dream = 7;

    int widest() const;
};
// "DATE,N1,N2,N3,N4,N5,N6,DREAM" as eight 1-based column numbers.
std::optional<CsvColumns> parseCsvColumns(std::string_view text);

// dd.mm.yyyy (also d.m.yyyy), dd/mm/yyyy, yyyy-mm-dd or yyyymmdd; only real calendar dates.
std::optional<int> parseCsvDate(std::string_view text);

// A first row is a header when its date column holds no date and some field a letter.
bool isHeaderRow(const CsvRow& row, const CsvColumns& columns);

struct CsvDraw {
    int line = 0;
    Draw draw;
};
struct CsvRejected {
    int line = 0;
    std::string reason;
};
struct CsvDraws {
    bool header = false;
    std::vector<CsvDraw> draws;
    std::vector<CsvRejected> rejected;
};
// Reads the mapped columns of every row and checks them: a real date,
// numbers 1..40 and distinct, a dream number 1..5.
CsvDraws drawsFromCsv(const CsvTable& table, const CsvColumns& columns);

// The history as CSV with a header line; readCsv and drawsFromCsv read it back.
std::string drawsToCsv(const std::vector<Draw>& draws);

} // namespace zf
