#pragma once
// Answers for the modal dialogs of saving and snapshots, given one after the other.

#include "TestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QList>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>

namespace testing {

using ModalAnswer = std::function<void(QWidget *)>;

// Answers, in order, the modal widgets that come up while it lives. A modal widget that
// comes when no answer is left is noted and closed, so a test never hangs on it. Each
// answer arms the watch for the next one before it acts, because a modal widget can come
// up from within the action (the question whether to replace a file).
class ModalAnswers : public QObject
{
public:
    explicit ModalAnswers(QList<ModalAnswer> answers) : pending(std::move(answers)) { Arm(); }

    bool AllGiven() const { return pending.isEmpty(); }
    // The texts (or titles) of the modal widgets that came after the answers ran out.
    QStringList Closed() const { return closed; }

private:
    void Arm()
    {
        auto *timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this, timer] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal || !modal->isVisible() || answered.contains(modal))
                return;
            timer->stop();
            timer->deleteLater();
            answered << modal;
            Arm();
            if (pending.isEmpty()) {
                auto *box = qobject_cast<QMessageBox *>(modal);
                closed << (box ? box->text() : modal->windowTitle());
                modal->close();
                return;
            }
            pending.takeFirst()(modal);
        });
        timer->start(20);
    }

    QList<ModalAnswer> pending;
    QList<QPointer<QWidget>> answered;
    QStringList closed;
};

// Chooses the name filter that contains `filterPattern` (when given), types the path and
// accepts, as a user does in the file dialog. The dialog fills its file list in a thread of
// its own and, under load, may reset the typed name when that list arrives: a dialog still
// open is given the name again every half second, and cancelled after five seconds so that
// a name it refuses makes the test fail instead of hang.
inline ModalAnswer ChooseFile(const QString &path, const QString &filterPattern = QString())
{
    return [=](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        if (!dialog) {
            modal->close();
            return;
        }
        if (!filterPattern.isEmpty())
            for (const QString &filter : dialog->nameFilters())
                if (filter.contains(filterPattern))
                    dialog->selectNameFilter(filter);
        QPointer<QFileDialog> open(dialog);
        auto attempts = std::make_shared<int>(0);
        auto accept = [open, path, attempts] {
            if (!open || !open->isVisible() || QApplication::activeModalWidget() != open)
                return;
            if (++*attempts > 10) {
                open->reject();
                return;
            }
            open->selectFile(path);
            // selectFile() leaves the name field alone while it has the keyboard focus,
            // which it gets whenever the dialog's window is activated in time.
            if (auto *name = open->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
                name->setText(path);
            static_cast<QDialog *>(open.data())->accept(); // QFileDialog keeps its own accept() protected
        };
        auto *retry = new QTimer(dialog); // goes with the dialog
        QObject::connect(retry, &QTimer::timeout, dialog, accept);
        retry->start(500);
        accept();
    };
}

// Notes the text of the message box and presses the given button.
inline ModalAnswer Press(QMessageBox::StandardButton button, std::shared_ptr<QStringList> texts)
{
    return [=](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (!box) {
            modal->close();
            return;
        }
        *texts << box->text();
        if (QAbstractButton *pressed = box->button(button))
            pressed->click();
        else
            box->close();
    };
}

} // namespace testing
