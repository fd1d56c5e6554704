#include "app/Roster.h"

#include "forms/Dialog.h"
#include "forms/End1.h"
#include "forms/Error1.h"
#include "forms/Game.h"
#include "forms/Help1.h"
#include "forms/Info.h"
#include "forms/Question.h"
#include "forms/Title2.h"

#include <cstddef>
#include <tuple>
#include <utility>

namespace {

// The one list of the windows' references, in creation order.
auto References()
{
    return std::tie(Form1, frmPlayingField, frmerror, frmQuestion, frmDialog, frmHelp, frmEnd, frmProductInfo);
}

template <class Window>
void Create(Window *&reference)
{
    reference = new Window;
    reference->FormCreate();
}

template <class Window>
void Destroy(Window *&reference)
{
    delete reference;
    reference = nullptr;
}

} // namespace

QList<RosterWindow *> RosterWindows()
{
    return std::apply([](auto *...window) { return QList<RosterWindow *>{window...}; }, References());
}

void CreateRoster()
{
    std::apply([](auto *&...reference) { (Create(reference), ...); }, References());
}

void DestroyRoster()
{
    auto references = References();
    constexpr std::size_t count = std::tuple_size_v<decltype(references)>;
    [&]<std::size_t... Place>(std::index_sequence<Place...>) {
        (Destroy(std::get<count - 1 - Place>(references)), ...);
    }(std::make_index_sequence<count>());
}
