#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "app/hand_over.h"
#include "app/start_request.h"

// One window per data file: two windows saving one file would each write their own history over
// the other's. A start whose data file a running window has open hands that window its log
// instead and brings it to the front.

// The data file whichever path names it: its folder's identity (the file itself may not exist
// yet) and its name, upper case. Where the folder cannot be asked, its full path, upper case,
// hashed (a kernel object's name holds no backslash).
std::wstring ClaimKey(const std::wstring& dataFilePath);

// Marks a WM_COPYDATA as this program's hand-over: any program may send WM_COPYDATA.
inline constexpr ULONG_PTR kHandOverRequest = 0x544C594D;  // "TLYM"

// A data file claimed by a named mutex that the claiming process owns until it ends, however it
// ends, and the handle of its window, published under the claim once the window exists.
struct DataFileClaim {
    std::wstring key;        // the data file, however its path is spelled
    HANDLE mutex = nullptr;  // null: the claim could not be asked for (another user's, say)
    bool held = false;       // by this process
    HANDLE publication = nullptr;
};

// Claims the data file for this process. Not held when a running program holds it already, or
// when Windows refuses to say (access denied): that counts as held by another.
DataFileClaim ClaimDataFile(const std::wstring& dataFilePath);

// Publishes the window under the claim this process holds, so that a second start finds it
// without asking any other window.
void PublishWindow(DataFileClaim& claim, HWND window);

enum class HandOverOutcome {
    HandedOver,  // the window that holds the data file has the log, and comes to the front
    ClaimTaken,  // the program that held the claim has ended: this start holds it now
    NoAnswer,    // the window did not answer within a few seconds
};

// Asks the window published under the claim to take the start's log, until it answers, the
// claim comes free or the patience runs out. The log path is in full.
HandOverOutcome HandOverToRunningWindow(DataFileClaim& claim, const StartRequest& start);

// What a window makes of a WM_COPYDATA: the request, when it is a hand-over for its own data
// file.
std::optional<HandOverRequest> HandOverFor(const COPYDATASTRUCT& message,
                                           const std::wstring& ownDataFile);
