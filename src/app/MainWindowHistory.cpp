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
    HistoryStep(const QString &text, std::function<void()> undoStep, std::function<void()> redoStep)
        : QUndoCommand(text), undoStep(std::move(undoStep)), redoStep(std::move(redoStep))
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
    connect(history, &QUndoStack::canUndoChanged, ui->actionUndo, &QAction::setEnabled);
    connect(history, &QUndoStack::canRedoChanged, ui->actionRedo, &QAction::setEnabled);
    connect(history, &QUndoStack::cleanChanged, this, [this](bool clean) { setWindowModified(!clean); });
}

void MainWindow::RecordTransform(const TransformState &before, const TransformState &after)
{
    if (before == after)
        return;
    // Pushing runs the step once: it is already in place, so nothing is drawn again.
    auto restore = [this](const TransformState &state) {
        return [this, state] {
            SetModelTransform(state);
            emit ModelTransformRestored();
        };
    };
    history->push(new HistoryStep(tr("Transform"), restore(before), restore(after)));
}

void MainWindow::RecordSmoothing(vtkSmartPointer<vtkPolyData> smoothed, const lumeno::SurfaceDeviation &deviation)
{
    ShownResult before{shownModel, CurrentLabel(), shownDeviation};
    // The working model takes the next custom or by-error result in place: keep its arrays as they are now.
    if (before.model && before.model == workingModel) {
        before.model = vtkSmartPointer<vtkPolyData>::New();
        before.model->ShallowCopy(workingModel);
    }
    const ShownResult after{smoothed, before.label, deviation};
    history->push(new HistoryStep(
        tr("Smoothing"), [this, before] { ShowShownResult(before); },
        [this, after] { ShowShownResult(after); }));
}

void MainWindow::ShowShownResult(const ShownResult &result)
{
    // A reduction or smoothing still running would replace it when it ends.
    const bool replacesJob = runningJob != MeshJob::None && runningJob != MeshJob::Cascade;
    if (replacesJob)
        CancelMeshJob();
    if (result.model)
        ShowResult(result.model, result.label, result.deviation);
    if (replacesJob)
        ShowCancelledStatus(true);
}
