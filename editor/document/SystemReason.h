#pragma once

#include <QString>

// The system's own words for an error number: strerror() for an errno, or
// on Windows FormatMessage() for a GetLastError() code, never a bare number.
// SystemReasonPosix.cpp and SystemReasonWindows.cpp hold the two forms.
QString SystemReason(int error);
