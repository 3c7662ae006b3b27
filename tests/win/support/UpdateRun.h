// Runs the real main window, presses "UpDate Now" once as the button does,
// and lets the message-box hook answer every box; then checks what each box
// showed.
#pragma once

#include "MessageBoxHook.h"

#include "framework/CString.h"

#include <functional>
#include <string>
#include <vector>

struct UpdateRun {
    const char* arguments = "-SRC c:\\UpdateSource";
    bool silent = false;
    std::vector<int> answers; // in order; a box beyond them gets its default button
    // Called as each box opens, before its answer is taken: the index of the box.
    std::function<void(size_t)> onBox;
};

struct UpdateOutcome {
    std::vector<ShownBox> boxes;
    HWND window = nullptr; // the main window, which must own every box
};

UpdateOutcome RunUpdate(const UpdateRun& run);

enum class BoxKind { Question, Report, SystemError };
struct ExpectedBox {
    BoxKind kind;
    std::string text;
};
ExpectedBox Question(const std::string& text);
ExpectedBox Report(const std::string& text);
// The system's own text for the error code.
ExpectedBox SystemError(DWORD errorCode);

// The boxes, in order, with their texts, buttons, default button, caption,
// icon and owner.
void ExpectBoxes(const UpdateOutcome& outcome, const std::vector<ExpectedBox>& expected,
                 const std::string& context);

// A message filled in as the program fills it.
template <typename... Args> std::string Fill(const char* format, Args... args) {
    CString text;
    text.Format(format, args...);
    return text.Str();
}
