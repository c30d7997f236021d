#pragma once
// A text window for messages. Offered for debugging; nothing in the plug-in opens it.

#include <hostforms/MaxForm.h>

class QCloseEvent;
class QPlainTextEdit;

namespace ZANRET
{
class DebugWindowClass : public hostforms::MaxForm
{
public:
    // The open window; null before the first one is made and once the user has closed it.
    static DebugWindowClass* window;

    DebugWindowClass();
    ~DebugWindowClass() override;

    // Appends the text (null reads as empty) and a line break.
    void AddText(const wchar_t* text);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QPlainTextEdit* m_textBox;
};
} // namespace ZANRET
