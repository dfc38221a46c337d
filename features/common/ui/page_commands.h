// The command dispatch of a page: one table per page class, made once,
// maps a button's id to what it runs; the bottom row's help, back and exit
// buttons (three consecutive ids) run the callbacks the program gave the
// page in its context (showHelp, backToMenu, exitProgram).
#pragma once

#include <functional>
#include <span>

namespace pdx::features {

template <typename Page> struct PageCommand {
  int id;
  void (*run)(Page &page);
};

// Runs command `id` of `page`: from `table`, or the bottom row's help, back
// or exit when `id` is `help`, `help + 1` or `help + 2`; a callback the
// context lacks does nothing. Other ids are ignored.
template <typename Page, typename Context>
void runPageCommand(Page &page, std::span<const PageCommand<Page>> table, const Context &context, int help,
                    int id) {
  for (const PageCommand<Page> &command : table) {
    if (command.id == id) {
      command.run(page);
      return;
    }
  }
  const std::function<void()> *exits[] = {&context.showHelp, &context.backToMenu, &context.exitProgram};
  if (id >= help && id < help + 3 && *exits[id - help]) {
    (*exits[id - help])();
  }
}

} // namespace pdx::features
