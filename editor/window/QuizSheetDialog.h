#pragma once

#include "editor/document/QuizSheet.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QRadioButton;
class QSpinBox;

// The options panel before Print, Print Preview and Export PDF: the sheet's
// title, which questions it asks, its layout and its order, with the pages
// that will take on the printer's paper, counted as the options change.
class QuizSheetDialog : public QDialog {
    Q_OBJECT

public:
    // `questions`: how many the bank has; `make` makes the sheet the options
    // choose; `go` names the button that goes on ("Print…", "Export…").
    QuizSheetDialog(QWidget *parent, const QuizSheetOptions &options, int questions, QPrinter *printer,
                    std::function<QuizSheet(const QuizSheetOptions &)> make, const QString &go);

    QuizSheetOptions options() const;

private:
    void countPages();

    QPrinter *printer_;
    std::function<QuizSheet(const QuizSheetOptions &)> make_;
    QLineEdit *title_;
    QRadioButton *all_, *range_, *random_;
    QSpinBox *from_, *to_, *count_, *order_;
    QCheckBox *compact_;
    QLabel *pages_;
};
