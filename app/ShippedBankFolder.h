#pragma once

#include <QString>

// The folder the banks that ship with the game are installed in. On Linux a
// package puts them in a folder fixed at build time
// (ShippedBankFolderPosix.cpp); on Windows they sit beside the program, so
// that an installed copy and a copy on a USB stick each find their own
// (ShippedBankFolderWindows.cpp).
QString ShippedBankFolder();
