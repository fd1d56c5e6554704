#include "editor/document/SystemReason.h"

#include <cstring>

QString SystemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}
