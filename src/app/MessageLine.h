#pragma once

#include <QLabel>
#include <QString>

// The window's message line: one line as wide as the status bar lets it be. A message that
// does not fit is cut at its end with "…" and shown whole in the tooltip, so no width of
// the window hides any of it.
class MessageLine : public QLabel
{
    Q_OBJECT

public:
    explicit MessageLine(QWidget *parent = nullptr);

    void SetMessage(const QString &message);
    const QString &Message() const { return message; }
    // True while the line shows only the beginning of the message.
    bool IsCut() const { return cut; }

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void Fit();

    QString message;
    bool cut = false;
};
