#pragma once

#include "data/DrawCsv.h"

#include <QDialog>

#include <array>
#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QTableWidget;

namespace zf {

// Shows the first rows of a CSV file and lets the user pick which column
// holds the date, the six numbers and the dream number; tells how many rows
// read well with that choice before anything is stored.
class CsvImportDialog : public QDialog {
    Q_OBJECT
public:
    CsvImportDialog(const QString& fileName, std::string bytes, QWidget* parent = nullptr);

    CsvColumns columns() const;
    bool replace() const;

    static constexpr int kPreviewRows = 12;

private:
    void columnsChanged();

    std::string m_bytes;
    CsvTable m_table;
    QTableWidget* m_preview;
    std::array<QComboBox*, 8> m_columns{};
    QLabel* m_verdict;
    QCheckBox* m_replace;
};

} // namespace zf
