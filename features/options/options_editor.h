// The logic of the phone-options page: the record in memory edited row by
// row, and the apply that sends the whole record. Nothing reaches the phone
// before apply; a refused apply keeps the edits for another try.
#pragma once

#include "core/data/store.h"
#include "features/common/page_user.h"
#include "features/options/option_table.h"
#include "features/options/options_ports.h"

namespace pdx::features {

class OptionsEditor {
public:
  // Edits the store's options record.
  OptionsEditor(core::CDataStore &store, OptionsPhone &phone, PageUser &user);

  const core::PhoneOptions &options() const { return options_; }
  // Only a record the phone gave, with a four-digit password, is ever sent:
  // a record never received would zero the settings and the password.
  bool canApply() const;
  static bool editable(int row) {
    return row >= 0 && row < kOptionRows && optionRow(row).kind != OptionKind::Heading;
  }

  // Stores choice `index` of a choice row; false for other rows or an
  // index outside the choices.
  bool choose(int row, int index);
  // Stores the text of a text row after the row's checks; a refusal is
  // told to the user and stores nothing.
  bool commitText(int row, std::string_view cp949);
  // Sends the record; on success the link keeps the record's password.
  // A record that cannot be applied is refused with a message.
  bool apply();

private:
  core::PhoneOptions &options_;
  const bool received_;
  OptionsPhone &phone_;
  PageUser &user_;
};

} // namespace pdx::features
