// Scripted stand-ins for the phone and the user in tests of the phonebook's
// logic.
#pragma once

#include "features/phonebook/phonebook_ports.h"

#include <deque>
#include <vector>

namespace pdx::features::testing {

class FakePhone : public PhonebookPhone {
public:
  bool writeEntry(int slot, const core::PhoneBookEntry &entry) override {
    entryWrites.emplace_back(slot, entry);
    return acceptEntries;
  }
  bool writeGroup(const core::GroupTable &, int id, const core::PhoneGroup &group) override {
    groupWrites.emplace_back(id, group);
    return acceptGroups;
  }
  bool writeSpeedDials(const core::SpeedDialTable &table) override {
    speedDialWrites.push_back(table);
    return acceptSpeedDials;
  }

  bool acceptEntries = true;
  bool acceptGroups = true;
  bool acceptSpeedDials = true;
  std::vector<std::pair<int, core::PhoneBookEntry>> entryWrites;
  std::vector<std::pair<int, core::PhoneGroup>> groupWrites;
  std::vector<core::SpeedDialTable> speedDialWrites;
};

class FakeUser : public PageUser {
public:
  void tell(const std::string &message) override { told.push_back(message); }
  bool ask(const std::string &question) override {
    asked.push_back(question);
    return answer;
  }
  bool cancelRequested() override { return cancel; }
  void progress(int done, int total) override { progressSeen.emplace_back(done, total); }

  bool answer = true;
  bool cancel = false;
  std::vector<std::string> told;
  std::vector<std::string> asked;
  std::vector<std::pair<int, int>> progressSeen;
};

class ScriptedResolver : public ConflictResolver {
public:
  MergeChoice resolve(const Conflict &conflict) override {
    seen.push_back(conflict);
    const MergeChoice choice = answers.empty() ? MergeChoice::PcToPhone : answers.front();
    if (!answers.empty()) {
      answers.pop_front();
    }
    return choice;
  }
  std::deque<MergeChoice> answers;
  std::vector<Conflict> seen;
};

} // namespace pdx::features::testing
