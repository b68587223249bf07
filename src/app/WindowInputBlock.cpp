#include "WindowInputBlock.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QWidget>

WindowInputBlock::WindowInputBlock(QWidget *window, QWidget *cancelButton, bool closable)
    : window(window), cancelButton(cancelButton), closable(closable)
{
    QApplication::setOverrideCursor(Qt::BusyCursor);
    qApp->installEventFilter(this);
}

WindowInputBlock::~WindowInputBlock()
{
    qApp->removeEventFilter(this);
    QApplication::restoreOverrideCursor();
}

// The window itself and every window open beside it (transform, preferences, menus): an edit
// there would be dropped unasked by the file about to be loaded. Modal questions still work.
bool WindowInputBlock::IsBlocked(QWidget *topLevel) const
{
    return topLevel == window || topLevel->windowModality() == Qt::NonModal;
}

bool WindowInputBlock::eventFilter(QObject *target, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Shortcut: // menu keys; Escape is a QShortcut, not an action
        return qobject_cast<QAction *>(target) != nullptr;
    case QEvent::Close:
        if (target == window && !closable) {
            event->ignore();
            return true;
        }
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::TouchBegin: {
        auto *widget = qobject_cast<QWidget *>(target);
        return widget && widget != cancelButton && IsBlocked(widget->window());
    }
    default:
        return false;
    }
}
