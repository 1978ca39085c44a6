#pragma once
// The one-line text input: a title, a prompt, a preset text and a buffer of `bufferSize`
// characters, the terminator included, so at most bufferSize - 1 characters come back.
#include "platform/window.h"

#include <string>

class TInputDialog {
public:
    TInputDialog(TWindow* parent, const std::string& title, const std::string& prompt,
                 const std::string& initialText, int bufferSize);

    // Runs modally through the parent's runner; returns IDOK or IDCANCEL. After IDOK the buffer
    // holds the text entered.
    int Execute();

    const std::string& Title() const { return title; }
    const std::string& Prompt() const { return prompt; }
    const std::string& GetBuffer() const { return buffer; }
    // The most characters the buffer takes.
    int MaxLength() const { return bufferSize > 0 ? bufferSize - 1 : 0; }
    // Stores a text, cut to the buffer.
    void SetBuffer(const std::string& text);

private:
    TWindow* parent;
    std::string title;
    std::string prompt;
    std::string buffer;
    int bufferSize;
};
