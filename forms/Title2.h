#pragma once

#include "app/Controls.h"
#include "app/RosterWindow.h"

#include <array>

// The setup window, the program's main window: the two players type their
// names and pick their pieces; "Start Game" opens the board. The names leave
// this window only through the captions of lblplayer1 and lblplayer2.
class TForm1 : public RosterWindow {
    Q_DECLARE_TR_FUNCTIONS(TForm1)

public:
    TForm1();

    void FormCreate() override;

    Shape *Shape1;
    std::array<Image *, 8> Pieces; // Image1 .. Image8
    Label *lblEnter;
    QFrame *Bevel1;
    Label *lblbar;
    Label *lblplayer1;
    Label *lblplayer2;
    Image *icop2;
    Image *icop1;
    Label *lblpieces;
    QFrame *bilevel;
    Image *Image9;
    Edit *Edit2;
    Edit *Edit1;
    QPushButton *btnStart;

protected:
    void FormShow() override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Edit1Change();
    void Edit1Exit();
    bool Edit1KeyPress(QKeyEvent *event); // true when it took the key
    void ImageClick(int piece); // Image1Click .. Image8Click
    void btnStartClick();
    void ShowPieces(bool shown);
};

extern TForm1 *Form1;
