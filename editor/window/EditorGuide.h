#pragma once

#include <QDialog>

// A short guide to writing a bank: the rules of a line, what each problem
// in the panel means and how Play works, with the way to the full manual.
class EditorGuide : public QDialog {
    Q_OBJECT

public:
    explicit EditorGuide(QWidget *parent);
};
