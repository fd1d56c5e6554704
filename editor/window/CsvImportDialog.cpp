#include "editor/window/CsvImportDialog.h"

#include "editor/document/CsvGuess.h"
#include "editor/document/FieldText.h"

#include "forms/BankChecks.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

void Select(QComboBox *box, const QVariant &value)
{
    box->setCurrentIndex(std::max(0, box->findData(value)));
}

} // namespace

CsvImportDialog::CsvImportDialog(const QByteArray &bytes, const QString &fileName, QWidget *parent)
    : QDialog(parent), bytes_(bytes)
{
    setObjectName(QStringLiteral("csvImportDialog"));
    setWindowTitle(tr("Import “%1”").arg(fileName));

    separator_ = new QComboBox(this);
    separator_->setObjectName(QStringLiteral("csvSeparator"));
    const QStringList names = {tr("Comma"), tr("Semicolon"), tr("Tab"), tr("Vertical bar |")};
    for (std::size_t at = 0; at < CsvSeparators.size(); ++at)
        separator_->addItem(names[qsizetype(at)], QChar(QLatin1Char(CsvSeparators[at])));
    separator_->addItem(tr("Other"), QChar());
    otherSeparator_ = new QLineEdit(this);
    otherSeparator_->setObjectName(QStringLiteral("csvOtherSeparator"));
    otherSeparator_->setMaxLength(1);
    otherSeparator_->setMaximumWidth(fontMetrics().horizontalAdvance(QLatin1Char('M')) * 4);
    encoding_ = new QComboBox(this);
    encoding_->setObjectName(QStringLiteral("csvEncoding"));
    encoding_->addItem(QStringLiteral("UTF-8"), int(CsvEncoding::Utf8));
    encoding_->addItem(tr("UTF-16, little-endian"), int(CsvEncoding::Utf16LE));
    encoding_->addItem(tr("UTF-16, big-endian"), int(CsvEncoding::Utf16BE));
    encoding_->addItem(tr("Windows-1252 (Western European)"), int(CsvEncoding::Windows1252));
    header_ = new QCheckBox(tr("The first row names the &columns"), this);
    header_->setObjectName(QStringLiteral("csvHeaderRow"));

    rows_ = new QTableWidget(0, int(BankFieldCount), this);
    rows_->setObjectName(QStringLiteral("csvPreview"));
    QStringList headings;
    for (const BankFieldName &name : BankFieldNames)
        headings += QCoreApplication::translate("BankField", name.heading);
    rows_->setHorizontalHeaderLabels(headings);
    rows_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    rows_->setWordWrap(false);
    rows_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    // The answers' columns are at least as wide as their headings, which
    // other languages word longer.
    for (int column = 1; column < rows_->columnCount(); ++column)
        rows_->setColumnWidth(column, std::max(rows_->columnWidth(column),
                                               rows_->horizontalHeader()->sectionSizeHint(column)));
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("csvSummary"));
    summary_->setWordWrap(true);
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons_->button(QDialogButtonBox::Ok)->setText(tr("&Import"));
    buttons_->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("csvImportButton"));

    auto *separatorRow = new QHBoxLayout;
    separatorRow->addWidget(separator_);
    separatorRow->addWidget(otherSeparator_);
    separatorRow->addStretch();
    auto *form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    auto *separatorLabel = new QLabel(tr("&Separator:"), this);
    separatorLabel->setBuddy(separator_);
    form->addRow(separatorLabel, separatorRow);
    form->addRow(tr("&Encoding:"), encoding_);
    form->addRow(header_);
    auto *pickLabel = new QLabel(tr("&Take:"), this);
    form->addRow(pickLabel, buildPick());
    pickLabel->setBuddy(pickMode_);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(rows_, 1);
    layout->addWidget(summary_);
    layout->addWidget(buttons_);
    resize(720, 480);

    const CsvFormat guessed = CsvGuess::Format(bytes_);
    Select(separator_, QVariant(guessed.separator));
    Select(encoding_, int(guessed.encoding));
    header_->setChecked(guessed.header);
    otherSeparator_->setEnabled(false);
    separator_->setFocus();

    connect(separator_, &QComboBox::currentIndexChanged, this, [this] {
        otherSeparator_->setEnabled(separator_->currentData().value<QChar>().isNull());
        if (otherSeparator_->isEnabled())
            otherSeparator_->setFocus();
        refresh();
    });
    connect(otherSeparator_, &QLineEdit::textChanged, this, &CsvImportDialog::refresh);
    connect(encoding_, &QComboBox::currentIndexChanged, this, &CsvImportDialog::refresh);
    connect(header_, &QCheckBox::toggled, this, &CsvImportDialog::refresh);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    refresh();
}

// All rows, N of them at random, or a range: for a bank of 100 from a file of thousands.
QWidget *CsvImportDialog::buildPick()
{
    auto *row = new QWidget(this);
    pickMode_ = new QComboBox(row);
    pickMode_->setObjectName(QStringLiteral("csvPickMode"));
    pickMode_->addItem(tr("All rows"), int(RowPick::Mode::All));
    pickMode_->addItem(tr("Rows at random"), int(RowPick::Mode::Random));
    pickMode_->addItem(tr("A range of rows"), int(RowPick::Mode::Range));
    const auto spin = [row](const char *name, int value, const QString &accessible) {
        auto *box = new QSpinBox(row);
        box->setObjectName(QLatin1String(name));
        box->setRange(1, int(LargestCsvRows));
        box->setValue(value);
        box->setAccessibleName(accessible);
        return box;
    };
    const RowPick defaults;
    pickCount_ = spin("csvPickCount", int(defaults.count), tr("How many rows"));
    pickFirst_ = spin("csvPickFirst", int(defaults.first), tr("First row"));
    pickLast_ = spin("csvPickLast", int(defaults.last), tr("Last row"));
    auto *to = new QLabel(tr("to"), row);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget *part : std::initializer_list<QWidget *>{pickMode_, pickCount_, pickFirst_, to, pickLast_})
        layout->addWidget(part);
    layout->addStretch();
    const auto showParts = [this, to] {
        const auto mode = RowPick::Mode(pickMode_->currentData().toInt());
        pickCount_->setVisible(mode == RowPick::Mode::Random);
        for (QWidget *part : std::initializer_list<QWidget *>{pickFirst_, to, pickLast_})
            part->setVisible(mode == RowPick::Mode::Range);
    };
    showParts();
    connect(pickMode_, &QComboBox::currentIndexChanged, this, showParts);
    return row;
}

RowPick CsvImportDialog::pick() const
{
    return {RowPick::Mode(pickMode_->currentData().toInt()), pickCount_->value(), pickFirst_->value(),
            pickLast_->value()};
}

CsvFormat CsvImportDialog::format() const
{
    CsvFormat format;
    format.encoding = CsvEncoding(encoding_->currentData().toInt());
    format.separator = separator_->currentData().value<QChar>();
    if (format.separator.isNull())
        format.separator = otherSeparator_->text().isEmpty() ? QChar() : otherSeparator_->text().front();
    format.header = header_->isChecked();
    return format;
}

void CsvImportDialog::refresh()
{
    const CsvFormat chosen = format();
    read_ = chosen.separator.isNull() ? CsvRead{{}, tr("Type the character that separates the fields.")}
                                      : ReadCsv(bytes_, chosen);
    const qsizetype shown = std::min(read_.records.size(), qsizetype(RowsShown));
    rows_->setRowCount(int(shown));
    for (int row = 0; row < int(shown); ++row) {
        const QStringList &record = read_.records[row];
        for (int column = 0; column < int(BankFieldCount); ++column) {
            // As the bank will hold it: a missing field empty, ends trimmed, quotes fitted.
            auto *item = new QTableWidgetItem(column < record.size() ? FieldText::Imported(record[column]) : QString());
            rows_->setItem(row, column, item);
        }
    }
    const qsizetype count = read_.records.size();
    QString summary;
    if (!read_.problem.isEmpty())
        summary = read_.problem;
    else if (count == 1)
        summary = tr("The file holds 1 row.");
    else if (count > shown)
        summary = tr("The file holds %1 rows; the first %2 are shown.").arg(count).arg(shown);
    else
        summary = tr("The file holds %1 rows.").arg(count);
    // A bank line holds four fields: text past them is left behind, so say so
    // before the import rather than lose it unseen.
    const auto beyondFour = [](const QStringList &record) {
        return std::any_of(record.begin() + std::min(record.size(), qsizetype(BankFieldCount)), record.end(),
                           [](const QString &field) { return !field.trimmed().isEmpty(); });
    };
    if (read_.problem.isEmpty()) {
        const auto first = std::find_if(read_.records.begin(), read_.records.end(), beyondFour);
        if (first != read_.records.end())
            summary += QLatin1Char(' ')
                + tr("Row %1 has text past the fourth field, which does not come in: %2.")
                      .arg(first - read_.records.begin() + 1)
                      .arg(FieldText::Excerpt(first->mid(BankFieldCount).join(QLatin1Char(' ')).trimmed()));
    }
    summary_->setText(summary);
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(!read_.records.isEmpty());
}
