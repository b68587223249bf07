#include "MessageLine.h"

#include <QEvent>
#include <QFontMetrics>

#include <algorithm>

MessageLine::MessageLine(QWidget *parent) : QLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setTextFormat(Qt::PlainText);
    setContentsMargins(4, 0, 4, 0); // off the window's edge
    // Any width will do: the message is fitted to the width it gets.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void MessageLine::SetMessage(const QString &newMessage)
{
    if (newMessage == message && !text().isNull())
        return;
    message = newMessage;
    Fit();
}

QSize MessageLine::minimumSizeHint() const
{
    return {0, QLabel::minimumSizeHint().height()};
}

QSize MessageLine::sizeHint() const
{
    const QMargins margins = contentsMargins();
    return {fontMetrics().horizontalAdvance(message) + 2 * margin() + margins.left() + margins.right(),
            QLabel::sizeHint().height()};
}

void MessageLine::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    Fit();
}

void MessageLine::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        Fit();
}

void MessageLine::Fit()
{
    QString single = message;
    single.replace(QLatin1Char('\n'), QLatin1Char(' '));
    const int room = contentsRect().width() - 2 * margin();
    const QString shown = fontMetrics().elidedText(single, Qt::ElideRight, std::max(room, 0));
    setText(shown.isEmpty() && !single.isEmpty() ? QStringLiteral("\u2026") : shown);
    cut = shown != single;
    setToolTip(cut ? message : QString());
}
