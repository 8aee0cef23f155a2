#include "gui/CsvImportDialog.h"

#include "gui/GuiUtil.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>

namespace zf {

namespace {

const char* const kRoles[] = {"Datum", "Zahl 1", "Zahl 2", "Zahl 3", "Zahl 4", "Zahl 5", "Zahl 6", "Traumzahl"};
const char* const kRoleNames[] = {"ColumnDatum", "ColumnZahl1", "ColumnZahl2", "ColumnZahl3",
                                  "ColumnZahl4", "ColumnZahl5", "ColumnZahl6", "ColumnTraumzahl"};

QString delimiterName(char d)
{
    return d == '\t' ? "Tabulator" : d == ',' ? "Komma" : "Semikolon";
}

} // namespace

CsvImportDialog::CsvImportDialog(const QString& fileName, std::string bytes, QWidget* parent)
    : QDialog(parent), m_bytes(std::move(bytes)), m_table(readCsv(m_bytes))
{
    setObjectName("CsvImportDialog");
    setWindowTitle("Ziehungen aus CSV-Datei einlesen");
    resize(760, 520);
    auto* column = new QVBoxLayout(this);
    column->addWidget(makeLabel("LabelFile",
                                QFileInfo(fileName).fileName() + "  –  " + QString::number(m_table.rows.size()) +
                                    " Zeilen, Trennzeichen: " + delimiterName(m_table.delimiter),
                                this));

    int width = 8;
    for (const CsvRow& r : m_table.rows)
        width = std::max(width, static_cast<int>(r.fields.size()));
    width = std::min(width, 64);
    const int shown = std::min(kPreviewRows, static_cast<int>(m_table.rows.size()));
    m_preview = new QTableWidget(shown, width, this);
    m_preview->setObjectName("CsvPreview");
    m_preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QStringList lineNumbers;
    for (int r = 0; r < shown; ++r) {
        const CsvRow& row = m_table.rows[static_cast<size_t>(r)];
        lineNumbers << QString::number(row.line);
        for (int c = 0; c < width && c < static_cast<int>(row.fields.size()); ++c)
            m_preview->setItem(r, c, new QTableWidgetItem(qs(row.fields[static_cast<size_t>(c)])));
    }
    m_preview->setVerticalHeaderLabels(lineNumbers);
    m_preview->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    column->addWidget(m_preview, 1);

    auto* grid = new QGridLayout;
    QStringList choices;
    for (int c = 1; c <= width; ++c)
        choices << QString("Spalte %1").arg(c);
    const CsvColumns defaults;
    for (int i = 0; i < 8; ++i) {
        auto* box = new QComboBox(this);
        box->setObjectName(kRoleNames[i]);
        box->addItems(choices);
        const int preset = i == 0   ? defaults.date
                           : i == 7 ? defaults.dream
                                    : defaults.numbers[static_cast<size_t>(i - 1)];
        box->setCurrentIndex(preset);
        connect(box, &QComboBox::currentIndexChanged, this, &CsvImportDialog::columnsChanged);
        m_columns[static_cast<size_t>(i)] = box;
        grid->addWidget(makeLabel(QString("Label") + kRoleNames[i], kRoles[i], this), 0, i);
        grid->addWidget(box, 1, i);
    }
    column->addLayout(grid);

    m_verdict = makeLabel("LabelVerdict", "", this);
    column->addWidget(m_verdict);
    m_replace = new QCheckBox("Gespeicherte Ziehungen mit anderen Zahlen durch die der Datei ersetzen", this);
    m_replace->setObjectName("ReplaceBox");
    column->addWidget(m_replace);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText("Einlesen");
    buttons->button(QDialogButtonBox::Ok)->setObjectName("ButtonEinlesen");
    buttons->button(QDialogButtonBox::Cancel)->setText("Abbrechen");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(buttons);
    columnsChanged();
}

CsvColumns CsvImportDialog::columns() const
{
    CsvColumns c;
    c.date = m_columns[0]->currentIndex();
    for (size_t i = 0; i < 6; ++i)
        c.numbers[i] = m_columns[i + 1]->currentIndex();
    c.dream = m_columns[7]->currentIndex();
    return c;
}

bool CsvImportDialog::replace() const
{
    return m_replace->isChecked();
}

void CsvImportDialog::columnsChanged()
{
    const CsvColumns c = columns();
    const CsvDraws d = drawsFromCsv(m_table, c);
    QString text = QString("%1 Ziehungen lesbar, %2 Zeilen fehlerhaft").arg(d.draws.size()).arg(d.rejected.size());
    if (d.header)
        text += ", erste Zeile ist eine Kopfzeile";
    if (!d.rejected.empty())
        text += QString(" (zuerst Zeile %1: %2)").arg(d.rejected.front().line).arg(qs(d.rejected.front().reason));
    m_verdict->setText(text);
    // the chosen columns stand out in the preview
    for (int col = 0; col < m_preview->columnCount(); ++col) {
        QString role;
        for (int i = 0; i < 8; ++i)
            if (m_columns[static_cast<size_t>(i)]->currentIndex() == col)
                role += (role.isEmpty() ? "" : "/") + QString(kRoles[i]);
        m_preview->setHorizontalHeaderItem(
            col,
            new QTableWidgetItem(role.isEmpty() ? QString::number(col + 1) : QString("%1: %2").arg(col + 1).arg(role)));
        for (int r = 0; r < m_preview->rowCount(); ++r)
            if (QTableWidgetItem* item = m_preview->item(r, col))
                item->setBackground(role.isEmpty() ? QBrush() : QBrush(QColor(0xE0F0FF)));
    }
}

} // namespace zf
