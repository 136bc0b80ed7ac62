#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "app/start_request.h"
#include "tests/support/example_files.h"

// Helpers for the tests that drive the real window in this process, under Wine or Windows.

// Lets every queued message through, painting included.
void PumpMessages();

// A new empty folder, made the working folder, so that each window starts without a data file.
std::string EnterFreshWorkingFolder();

// Creates the main window as the program does, in the current working folder, on the start's
// data file and log when one is given.
HWND CreateTestWindow(const StartRequest* start = nullptr);

// The form's nine controls in creation order, without the rows' labels.
std::vector<HWND> ChildControls(HWND window);

std::string WindowText(HWND window);

// The form's controls by their place in the creation order; all null when there are not nine.
struct Form {
    HWND name;
    HWND clan;
    HWND kill;
    HWND death;
    HWND kdResult;
    HWND plusOne;
    HWND minusOne;
    HWND average;
    HWND save;
};

Form FormOf(HWND window);

// The texts of the four fields and the four result boxes, in that order.
std::array<std::string, 8> FormTexts(const Form& form);

// The game's log where the game keeps it (kGameLogPath), and its removal.
void PlaceGameLog(std::string_view bytes);
void RemoveGameLog();

// Presses the keys together and lets them go, as the keyboard sends them to the window in front,
// and gives another process a moment to take them in.
void PressKeys(std::initializer_list<WORD> keys);

std::string ReadFileBytes(const std::string& path);
// `path` in UTF-8: a folder of any name can be written to.
void WriteFileBytes(const std::string& path, std::string_view bytes);
std::string ClassName(HWND window);

// A message box as the user saw it; every box shown while a catcher lives is read and then
// dismissed with its first button.
struct CaughtMessageBox {
    HWND owner = nullptr;
    std::string caption;
    std::string text;
    int buttons = 0;
    bool hasIcon = false;
};

class MessageBoxCatcher {
public:
    MessageBoxCatcher();
    ~MessageBoxCatcher();
    MessageBoxCatcher(const MessageBoxCatcher&) = delete;
    MessageBoxCatcher& operator=(const MessageBoxCatcher&) = delete;

    [[nodiscard]] const std::vector<CaughtMessageBox>& Caught() const;

private:
    std::vector<CaughtMessageBox> caught_;
    HHOOK hook_;
};

// A window as its creator asked for it (CreateWindowEx's arguments), before the window class
// adjusts anything: an edit control, for one, takes its WS_BORDER off and draws its own.
struct CreatedWindow {
    HWND window = nullptr;
    HWND parent = nullptr;
    std::string className;
    std::string text;
    DWORD style = 0;
    DWORD extendedStyle = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int id = 0;
};

// Records every window created on this thread while it lives.
class CreationRecorder {
public:
    CreationRecorder();
    ~CreationRecorder();
    CreationRecorder(const CreationRecorder&) = delete;
    CreationRecorder& operator=(const CreationRecorder&) = delete;

    [[nodiscard]] const std::vector<CreatedWindow>& Created() const;

private:
    std::vector<CreatedWindow> created_;
    HHOOK hook_;
};

// A test of the main window, started in a fresh working folder of its own and destroyed at the
// end.
class FormWindowTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the window, which loads the folder's kddata.ioy if there is one.
    void Start();

    [[nodiscard]] std::string DataFilePath() const;

    std::string folder_;
    HWND window_ = nullptr;
    Form form_{};
};
