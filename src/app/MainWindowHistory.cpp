// Undo and Redo of the accepted transforms and of the smoothings.
#include "MainWindow.h"
#include "ui_MainWindow.h"

#include <QUndoCommand>
#include <QUndoStack>

#include <functional>

namespace {

// One step of the history: what it does again and what takes it back.
class HistoryStep : public QUndoCommand
{
public:
    HistoryStep(const QString &text, std::function<void()> takeBack, std::function<void()> doAgain)
        : QUndoCommand(text), undoStep(std::move(takeBack)), redoStep(std::move(doAgain))
    {
    }
    void undo() override { undoStep(); }
    void redo() override { redoStep(); }

private:
    std::function<void()> undoStep;
    std::function<void()> redoStep;
};

} // namespace

void MainWindow::CreateEditHistory()
{
    history = new QUndoStack(this);
    ui->actionUndo->setShortcuts(QKeySequence::Undo);
    ui->actionRedo->setShortcuts(QKeySequence::Redo);
    connect(ui->actionUndo, &QAction::triggered, history, &QUndoStack::undo);
    connect(ui->actionRedo, &QAction::triggered, history, &QUndoStack::redo);
    connect(history, &QUndoStack::canUndoChanged, this, &MainWindow::UpdateActions);
    connect(history, &QUndoStack::canRedoChanged, this, &MainWindow::UpdateActions);
    connect(history, &QUndoStack::cleanChanged, this, [this](bool clean) { setWindowModified(!clean); });
}

void MainWindow::RecordTransform(const TransformState &before, const TransformState &after)
{
    if (before == after)
        return;
    // Pushing runs the step once: it is already in place, so nothing is drawn again.
    auto restore = [this](const TransformState &state) { return [this, state] { document->RestoreTransform(state); }; };
    history->push(new HistoryStep(tr("Transform"), restore(before), restore(after)));
}

void MainWindow::RecordSmoothing(const ModelDocument::Result &before, const ModelDocument::Result &after)
{
    // Pushing shows the smoothed model once more: the right view already draws its arrays.
    history->push(new HistoryStep(
        tr("Smoothing"), [this, before] { document->RestoreResult(before); },
        [this, after] { document->RestoreResult(after); }));
}
