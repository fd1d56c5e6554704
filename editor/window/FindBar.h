#pragma once

#include <QWidget>

class BankTableModel;
class QCheckBox;
class QLineEdit;
class QTableView;

// The strip under the table for finding text in the fields and replacing
// it. Enter in the find field finds the next cell and selects it, leaving the
// focus where it is, so that Enter again goes on; Esc closes the strip.
class FindBar : public QWidget {
    Q_OBJECT

public:
    FindBar(QTableView *table, BankTableModel *model, QWidget *parent);

    // Shows the strip, with the replace row or without, and puts the focus
    // in the find field with its text selected.
    void open(bool withReplace);
    // Selects the next cell holding the text (the one before it, going
    // backward), going round past the end; opens the strip while it has
    // nothing to find.
    void findNext(bool backward);
    // Replaces the text in the current cell when it holds it, then finds the next.
    void replaceCurrent();
    void replaceAll();

signals:
    // For the status bar: what was not found, what was replaced.
    void told(const QString &text);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    Qt::CaseSensitivity sensitivity() const;
    // Closes the strip and gives the table the focus back.
    void closeBar();

    QTableView *table_;
    BankTableModel *model_;
    QLineEdit *findText_ = nullptr;
    QLineEdit *replaceText_ = nullptr;
    QCheckBox *matchCase_ = nullptr;
    QWidget *replaceRow_ = nullptr;
};
