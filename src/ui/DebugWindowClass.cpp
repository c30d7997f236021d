#include "ui/DebugWindowClass.h"

#include "ui/DebugWindow.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QString>
#include <QTextCursor>

namespace ZANRET
{
namespace
{
// The text box shows line breaks as lines; "\r\n" is the form the texts are written in.
QString AsLines(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}
} // namespace

DebugWindowClass* DebugWindowClass::window = nullptr;

DebugWindowClass::DebugWindowClass()
{
    setWindowTitle(QStringLiteral("ZANRET Info Window"));
    resize(400, 800);
    SetBorderStyle(hostforms::BorderStyle::FixedDialog);
    SetControlBox(false);

    m_textBox = new QPlainTextEdit();
    m_textBox->setGeometry(0, 0, 385, 765);
    m_textBox->setReadOnly(true);
    // Appended lines are never undone; an undo history would only grow.
    m_textBox->setUndoRedoEnabled(false);
    m_textBox->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_textBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_textBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_textBox->setPlainText(AsLines(QStringLiteral("ZANRET Info Window...\r\n04.04.2014\r\n") +
                                    QStringLiteral("base Setting: Max 2013\r\n")));
    AddControl(m_textBox);
}

DebugWindowClass::~DebugWindowClass()
{
    // Also when the window goes without a close, e.g. with the host window it belongs to.
    if (window == this)
    {
        window = nullptr;
    }
}

void DebugWindowClass::AddText(const wchar_t* text)
{
    QString line = text ? QString::fromWCharArray(text) : QString();
    line += QStringLiteral("\r\n");
    QTextCursor end(m_textBox->document());
    end.movePosition(QTextCursor::End);
    end.insertText(AsLines(line));
}

void DebugWindowClass::closeEvent(QCloseEvent* event)
{
    if (window == this)
    {
        window = nullptr;
    }
    event->accept();
}

void DebugWindow::CreateDebugWindow()
{
    // A second window would leave the first one open out of reach of FreeDebugWindow.
    if (!DebugWindowClass::window)
    {
        DebugWindowClass::window = new DebugWindowClass();
    }
    DebugWindowClass::window->ShowModeless();
}

void DebugWindow::AddDebugWindowMessage(const wchar_t* text)
{
    if (DebugWindowClass::window)
    {
        DebugWindowClass::window->AddText(text);
    }
}

void DebugWindow::FreeDebugWindow()
{
    if (DebugWindowClass::window)
    {
        DebugWindowClass::window->close();
    }
}
} // namespace ZANRET
