#include "gui/CsvImportDialog.h"

#include "ground/Texts.h"
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

const char* const kRoleNames[] = {"ColumnDatum", "ColumnZahl1", "ColumnZahl2", "ColumnZahl3",
                                  "ColumnZahl4", "ColumnZahl5", "ColumnZahl6", "ColumnTraumzahl"};

QString delimiterName(char d)
{
    return qs(text(d == '\t' ? Text::DelimiterTab : d == ',' ? Text::DelimiterComma : Text::DelimiterSemicolon));
}

QString roleName(int i)
{
    return qs(i == 0   ? text(Text::CsvRoleDate)
              : i == 7 ? text(Text::CsvRoleDream)
                       : text(Text::CsvRoleNumber, {std::to_string(i)}));
}

} // namespace

CsvImportDialog::CsvImportDialog(const QString& fileName, std::string bytes, QWidget* parent)
    : QDialog(parent), m_bytes(std::move(bytes)), m_table(readCsv(m_bytes))
{
    setObjectName("CsvImportDialog");
    setWindowTitle(qs(text(Text::CsvImportTitle)));
    resize(760, 520);
    auto* column = new QVBoxLayout(this);
    column->addWidget(makeLabel("LabelFile",
                                qs(text(Text::CsvFileSummary, {QFileInfo(fileName).fileName().toStdString(),
                                                               std::to_string(m_table.rows.size()),
                                                               delimiterName(m_table.delimiter).toStdString()})),
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
        choices << qs(text(Text::CsvColumnChoice, {std::to_string(c)}));
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
        grid->addWidget(makeLabel(QString("Label") + kRoleNames[i], roleName(i), this), 0, i);
        grid->addWidget(box, 1, i);
    }
    column->addLayout(grid);

    m_verdict = makeLabel("LabelVerdict", "", this);
    column->addWidget(m_verdict);
    m_replace = new QCheckBox(qs(text(Text::CsvReplace)), this);
    m_replace->setObjectName("ReplaceBox");
    column->addWidget(m_replace);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(qs(text(Text::CsvImportButton)));
    buttons->button(QDialogButtonBox::Ok)->setObjectName("ButtonEinlesen");
    buttons->button(QDialogButtonBox::Cancel)->setText(qs(text(Text::Cancel)));
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
    std::string verdict = text(Text::CsvVerdict, {std::to_string(d.draws.size()), std::to_string(d.rejected.size())});
    if (d.header)
        verdict += text(Text::CsvHeaderLine);
    if (!d.rejected.empty())
        verdict += text(Text::CsvFirstRejected, {std::to_string(d.rejected.front().line), d.rejected.front().reason});
    m_verdict->setText(qs(verdict));
    // the chosen columns stand out in the preview
    for (int col = 0; col < m_preview->columnCount(); ++col) {
        QString role;
        for (int i = 0; i < 8; ++i)
            if (m_columns[static_cast<size_t>(i)]->currentIndex() == col)
                role += (role.isEmpty() ? "" : "/") + roleName(i);
        m_preview->setHorizontalHeaderItem(
            col,
            new QTableWidgetItem(role.isEmpty() ? QString::number(col + 1) : QString("%1: %2").arg(col + 1).arg(role)));
        for (int r = 0; r < m_preview->rowCount(); ++r)
            if (QTableWidgetItem* item = m_preview->item(r, col))
                item->setBackground(role.isEmpty() ? QBrush() : QBrush(QColor(0xE0F0FF)));
    }
}

} // namespace zf
