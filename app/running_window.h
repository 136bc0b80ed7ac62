#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "app/start_request.h"

// One window per data file: two windows saving one file would each write their own history over
// the other's. A start whose data file a running window has open hands that window its log
// instead and brings it to the front.

// Claims the data file for this process; false when a running program has claimed it already.
// The claim is a named mutex, which ends with the process that holds it, however it ends.
bool ClaimDataFile(const std::wstring& dataFilePath);

// Asks the running windows, by WM_COPYDATA, which has the data file open; that one is handed the
// log, if there is one, and brought to the front. False when none answered yes within a few
// seconds: a window still starting is waited for, one that hangs is not.
bool HandOverToRunningWindow(const StartRequest& start);

// What a window makes of such a request (WM_COPYDATA): nullopt when it is not for this window's
// data file; else the log handed over, empty for none.
std::optional<std::wstring> LogHandedOver(const COPYDATASTRUCT& request,
                                          const std::wstring& ownDataFile);
