#pragma once

#include "editor/document/CsvFormat.h"
#include "editor/document/RowPick.h"

#include <QByteArray>
#include <QDialog>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QTableWidget;

// Shows a CSV file's first rows as the bank will hold them before anything
// is imported, with the separator, encoding and header row guessed and each
// open to change, the rows following every change at once.
class CsvImportDialog : public QDialog {
    Q_OBJECT

public:
    // The rows the preview shows; the rest are counted.
    static constexpr int RowsShown = 50;

    CsvImportDialog(const QByteArray &bytes, const QString &fileName, QWidget *parent = nullptr);

    CsvFormat format() const;
    // All the rows read in the format shown.
    const QList<QStringList> &records() const { return read_.records; }
    // The rows to take of them, as chosen.
    RowPick pick() const;

private:
    void refresh();
    QWidget *buildPick();

    QByteArray bytes_;
    CsvRead read_;
    QComboBox *separator_;
    QLineEdit *otherSeparator_;
    QComboBox *encoding_;
    QCheckBox *header_;
    QComboBox *pickMode_;
    QSpinBox *pickCount_, *pickFirst_, *pickLast_;
    QTableWidget *rows_;
    QLabel *summary_;
    QDialogButtonBox *buttons_;
};
