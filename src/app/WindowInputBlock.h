#pragma once

#include <QObject>

class QWidget;

// While it lives, a window takes no input but its Cancel button (and Escape, a shortcut of its
// own), so that nothing changes what a file being read or written is about. Other windows (the
// question about unsaved work, an open dialog) still work. Closing the window is refused
// unless `closable`.
class WindowInputBlock : public QObject
{
public:
    WindowInputBlock(QWidget *window, QWidget *cancelButton, bool closable);
    ~WindowInputBlock() override;

protected:
    bool eventFilter(QObject *target, QEvent *event) override;

private:
    QWidget *window;
    QWidget *cancelButton;
    bool closable;
};
