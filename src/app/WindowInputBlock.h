#pragma once

#include <QObject>

class QWidget;

// While it lives, the program's windows take no input but the window's Cancel button (and
// Escape, a shortcut of its own), so that nothing changes what a file being read or written is
// about. Modal questions (about unsaved work when the window is closed meanwhile) still work.
// Closing the window is refused unless `closable`.
class WindowInputBlock : public QObject
{
public:
    WindowInputBlock(QWidget *window, QWidget *cancelButton, bool closable);
    ~WindowInputBlock() override;

protected:
    bool eventFilter(QObject *target, QEvent *event) override;

private:
    bool IsBlocked(QWidget *topLevel) const;

    QWidget *window;
    QWidget *cancelButton;
    bool closable;
};
