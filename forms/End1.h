#pragma once

#include "forms/Bounce.h"
#include "app/Controls.h"
#include "app/RosterWindow.h"

#include <QTimer>

// The end-of-game window: congratulates the winner, whose piece bounces about
// until "Ok" ends the program.
class TfrmEnd : public RosterWindow {
    Q_DECLARE_TR_FUNCTIONS(TfrmEnd)

public:
    TfrmEnd();

    Shape *Shape1;
    Image *Image9;
    Label *Label1;
    Label *Label2;
    Label *lblGreat;
    Image *icoplayer;
    QPushButton *btnOk;
    QTimer *Timer1;

protected:
    void FormShow() override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Timer1Timer();
    void btnOkClick();
    void Image9Click();
};

extern TfrmEnd *frmEnd;

extern BouncePosition BouncePoint;
extern BounceDirection BounceFlags;

void ZeroBounceState();
