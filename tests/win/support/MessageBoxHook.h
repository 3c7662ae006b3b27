// Answers the real message boxes of this thread through a WH_CBT hook and
// records what each one showed.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct ShownBox {
    std::string caption;
    std::string text;
    std::vector<int> buttons; // IDOK, IDYES, IDNO... in the order of the box
    int defaultButton = 0;    // the button that has the focus when shown
    bool exclamationIcon = false;
    bool informationIcon = false;
    HWND owner = nullptr;
    int answer = 0; // the button pressed
    HWND window = nullptr;
};

class MessageBoxHook {
public:
    // answers: pressed in order, one per box; once used up, every further box
    // gets its default button.
    explicit MessageBoxHook(std::vector<int> answers = {});
    ~MessageBoxHook();
    MessageBoxHook(const MessageBoxHook&) = delete;
    MessageBoxHook& operator=(const MessageBoxHook&) = delete;

    const std::vector<ShownBox>& Boxes() const { return m_boxes; }
    // The texts of the boxes shown, in order.
    std::vector<std::string> Texts() const;

private:
    static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam);
    void OnActivate(HWND box);

    HHOOK m_hook;
    std::vector<int> m_answers;
    size_t m_next = 0;
    std::vector<ShownBox> m_boxes;
};
