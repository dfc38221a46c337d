// The notice an editor sends a running Pelodex after every save, so that its
// melody or animation page rescans the folder.
#pragma once

#include "core/base/program_messages.h"

#include <QString>
#include <cstdint>

namespace pdx::winlib {

// The title of the phone-data program's main window.
inline constexpr const char *kPelodexTitle = "Pelodex";

// Sends `message` (kMsgMelodySaved or kMsgAnimationSaved) to the marked
// window titled `title` and waits until it is handled; wParam carries the
// outside-folder flag, nothing else crosses. False when no window answered.
// A running Pelodex answers at once; a dead one holds up the save at most
// about two and a half seconds.
bool notifyPelodex(uint32_t message, bool outsideFolder,
                   const QString &title = QString::fromLatin1(kPelodexTitle));

} // namespace pdx::winlib
