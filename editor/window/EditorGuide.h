#pragma once

#include <QDialog>

// A short guide to writing a bank: the basics, the rules of a line, what
// each problem in the panel means and how Play works, with the way to the
// full manual where it is installed.
class EditorGuide : public QDialog {
    Q_OBJECT

public:
    explicit EditorGuide(QWidget *parent);

    // Whether the manual page is installed, so that the guide can link it;
    // not in a build tree, nor on Windows.
    static bool manualInstalled();
};
