#include "app/SharedState.h"

OneBased<BoundedText<15>, 2> PlayerNames;
OneBased<std::int8_t, 2> PieceSquare;
std::uint8_t CurrentPlayer = 0;
std::uint8_t SetupStage = 0;
std::optional<std::string> NamedBank;

std::uint8_t CaptionNumber(const QString &caption)
{
    return static_cast<std::uint8_t>(caption.toInt());
}
