// Windows, files opened for reading and files opened for writing are handles of distinct types:
// none passes for another, and no plain pointer passes for any of them.
#include <type_traits>

#include "platform/files.h"
#include "platform/window.h"

namespace {

template <class From, class To>
constexpr bool kPassesFor = std::is_convertible_v<From, To>;

static_assert(!kPassesFor<Window, ReadHandle> && !kPassesFor<Window, WriteHandle>);
static_assert(!kPassesFor<ReadHandle, Window> && !kPassesFor<ReadHandle, WriteHandle>);
static_assert(!kPassesFor<WriteHandle, Window> && !kPassesFor<WriteHandle, ReadHandle>);
static_assert(!kPassesFor<void*, Window> && !kPassesFor<void*, ReadHandle> &&
              !kPassesFor<void*, WriteHandle>);
static_assert(!std::is_invocable_v<decltype(&CloseReadFile), WriteHandle>);
static_assert(!std::is_invocable_v<decltype(&CloseWrittenFile), ReadHandle>);

}  // namespace
