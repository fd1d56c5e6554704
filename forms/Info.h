#pragma once

#include "app/Controls.h"
#include "app/RosterWindow.h"

#include <QStackedWidget>
#include <cstdint>

// The catalogue of the maker's other titles: three pages leafed through with
// two arrow buttons. It keeps its page from one showing to the next.
class TfrmProductInfo : public RosterWindow {
    Q_DECLARE_TR_FUNCTIONS(TfrmProductInfo)

public:
    TfrmProductInfo();

    void FormCreate() override;

    Label *Panel1;
    QToolButton *SpeedButton3;
    QToolButton *SpeedButton4;
    QStackedWidget *Notebook1;
    QToolButton *SpeedButton1;

private:
    void SpeedButton3Click();
    void SpeedButton4Click();
    void SpeedButton1Click();
    void ArriveAt(std::uint8_t page);
    QWidget *BuildBrovellPage();
    QWidget *BuildQuintarraPage();
    QWidget *BuildContactPage();
};

extern TfrmProductInfo *frmProductInfo;

// The page (1 to 3) the arrow buttons last moved to.
extern std::uint8_t CatalogPage;
