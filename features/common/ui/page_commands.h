// The command table of a page: one per page class, made once, maps a
// button's id to what it runs.
#pragma once

#include <functional>
#include <span>

namespace pdx::features {

template <typename Page> struct PageCommand {
  int id;
  void (*run)(Page &page);
};

// What command `id` of `page` runs from `table`; empty for other ids.
template <typename Page>
std::function<void()> tableCommand(Page &page, std::span<const PageCommand<Page>> table, int id) {
  for (const PageCommand<Page> &command : table) {
    if (command.id == id) {
      return [&page, run = command.run] { run(page); };
    }
  }
  return nullptr;
}

} // namespace pdx::features
