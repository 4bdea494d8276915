#pragma once

#include <curl/curl.h>
#include <chrono>

#include "transport/FtpCodes.h"

// The control connection that libcurl keeps between transfers, looked at
// directly where libcurl offers no call: whether the server closed it while
// idle, and a QUIT whose reply is awaited for a bounded time.
namespace torva {

// True when something waits on an idle control connection: the server's end
// of it, or a reply nobody asked for (421 before closing).
bool serverClosedControl(curl_socket_t socket);

// True when the server has gone from a control connection that is about to
// be closed: its end is closed or reset, or it said 421. Waits at most `wait`
// for a sign either way.
bool serverLeftControl(curl_socket_t socket, std::chrono::milliseconds wait);

// Sends QUIT and waits at most `bound` for the reply. kOk on a 2xx reply.
FtpCode quitControl(curl_socket_t socket, std::chrono::milliseconds bound);

// Ends both directions at once, so whatever libcurl still sends or awaits on
// the socket fails without waiting.
void shutDownControl(curl_socket_t socket);

}  // namespace torva
