#pragma once

#include "app/Controls.h"
#include "app/RosterWindow.h"

// The only failure report: the question bank cannot be read. It stays above
// every other window and offers one way on, ending the program.
class Tfrmerror : public RosterWindow {
    Q_DECLARE_TR_FUNCTIONS(Tfrmerror)

public:
    Tfrmerror();

    QFrame *Panel1;
    Label *ProductName;
    Label *Label1;
    Label *Label2;
    QPushButton *OKButton;

protected:
    void FormShow() override;

private:
    void OKButtonClick();
};

extern Tfrmerror *frmerror;
