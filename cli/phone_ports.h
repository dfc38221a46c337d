// pelodex-cli phone ports: every port the search may try, its stable
// /dev/serial/by-id name, and whether it opens, who holds it and how to
// free it.
#pragma once

#include "core/base/event_loop.h"
#include "platform/serial/comm_port.h"

namespace pdx::cli {

int listPorts(const platform::PortTable &ports, EventLoop &loop);

} // namespace pdx::cli
