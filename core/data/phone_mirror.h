// What the link writes into: the phone's records as last read from the
// phone. The data store implements it; the transfers write only through it.
#pragma once

#include "core/data/alarm_list.h"
#include "core/data/lists.h"

namespace pdx::core {

class PhoneMirror {
public:
  // The parts a read fills as a whole.
  enum class Part { Messages, Phonebook, Alarms, Options };

  virtual ~PhoneMirror() = default;

  // In test mode a read fills its part with the built-in samples instead of
  // asking the phone.
  virtual bool inTestMode() const = 0;
  // Empties a part before it is read afresh; the phonebook keeps its group
  // table for the merge and gets 200 empty slots.
  virtual void beginRead(Part part) = 0;
  // Fills a part with the samples; alarms are ordered by their due time
  // after `now`.
  virtual void fillSamples(Part part, const CivilTime &now) = 0;
  // Read marks: set when a read of the part completed.
  virtual bool isRead(Part part) const = 0;
  virtual void markRead(Part part) = 0;

  // Files a message in the box its slot names.
  virtual void addMessage(const SmsMessage &message) = 0;
  virtual void setGroups(GroupTable groups) = 0;
  // Replaces the entry of its phone slot; entries past the slots are dropped.
  virtual void setSlot(const PhoneBookEntry &entry) = 0;
  // Keys that name no number of a read phonebook are marked unused.
  virtual void setSpeedDials(SpeedDialTable table) = 0;
  // Adds an alarm unless the list is full.
  virtual void addAlarm(const AlarmEntry &alarm, const CivilTime &now) = 0;
  virtual const AlarmList &phoneAlarms() const = 0;
  virtual void setOptions(const PhoneOptions &options) = 0;
};

} // namespace pdx::core
