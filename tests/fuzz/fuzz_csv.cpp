// A CSV draw history as the import reads it.
#include "data/DrawCsv.h"
#include "rules/DrawImport.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace zf;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const CsvTable table = readCsv(bytes);
    (void)parseCsvColumns(bytes.substr(0, 64));
    const CsvColumns columns{};
    const CsvDraws rows = drawsFromCsv(table, columns);
    (void)planImport({}, rows, true);
    return 0;
}
