#pragma once

#include "transport/FtpCodes.h"

namespace torva {

// What the client was doing when libcurl failed; the same failure means a
// different thing to the operator while logging in or while moving a file.
enum class FtpStep { Connect, Upload, Download, List };

// The component code for a libcurl result and the server's last FTP reply
// (0 when there was none). CURLE_OK gives ftp::kOk. serverClosed: the
// server closed the control connection during the call.
FtpCode mapCurlResult(int curlCode, long ftpReply, FtpStep step, bool serverClosed = false);

// True when the failure concerns one file only and the server still holds
// the session; false when the session has to be opened again. A connection
// broken off while the server stayed (a transfer it aborted) keeps it.
bool keepsSession(int curlCode, long ftpReply, bool serverClosed = false);

// True when the failure may come from a control connection that the server
// dropped while idle (no reply at all, or 421), so one more try on a fresh
// connection is worth it.
bool mayBeStaleConnection(int curlCode, long ftpReply);

}  // namespace torva
