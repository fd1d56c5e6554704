#include "app/ShippedBankFolder.h"

QString ShippedBankFolder()
{
    return QStringLiteral(KORVANE_BANK_FOLDER);
}
