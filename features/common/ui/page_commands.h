// The command dispatch of a page: one table per page class, made once,
// maps a button's id to what it runs; the bottom row's help, back and exit
// buttons run the callbacks the program gave the page in its context
// (showHelp, backToMenu, exitProgram).
#pragma once

#include <functional>
#include <span>

namespace pdx::features {

template <typename Page> struct PageCommand {
  int id;
  void (*run)(Page &page);
};

// The ids of the bottom row's buttons.
struct PageExitIds {
  int help;
  int back;
  int exit;
};

// What command `id` of `page` runs: from `table`, or for the bottom row's
// ids the context's showHelp, backToMenu or exitProgram. Empty for other ids
// and for a callback the context lacks.
template <typename Page, typename Context>
std::function<void()> pageCommand(Page &page, std::span<const PageCommand<Page>> table,
                                  const Context &context, PageExitIds exits, int id) {
  for (const PageCommand<Page> &command : table) {
    if (command.id == id) {
      return [&page, run = command.run] { run(page); };
    }
  }
  return id == exits.help   ? context.showHelp
         : id == exits.back ? context.backToMenu
         : id == exits.exit ? context.exitProgram
                            : nullptr;
}

template <typename Page, typename Context>
void runPageCommand(Page &page, std::span<const PageCommand<Page>> table, const Context &context,
                    PageExitIds exits, int id) {
  if (const std::function<void()> run = pageCommand(page, table, context, exits, id)) {
    run();
  }
}

} // namespace pdx::features
