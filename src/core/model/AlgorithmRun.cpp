#include "model/AlgorithmRun.h"

#include <vtkAlgorithm.h>
#include <vtkObjectFactory.h>
#include <vtkOutputWindow.h>
#include <vtkSmartPointer.h>

#include <cstring>
#include <mutex>
#include <new>
#include <stdexcept>

namespace lumeno {

namespace {

thread_local unsigned allocationFailures = 0;

// Passes every text on to the output window it replaced, and counts on the reporting thread
// the errors of arrays that could not allocate.
class vtkAllocationNotingWindow : public vtkOutputWindow
{
public:
    static vtkAllocationNotingWindow *New();
    vtkTypeMacro(vtkAllocationNotingWindow, vtkOutputWindow);

    void SetNext(vtkOutputWindow *window) { next = window; }

    void DisplayErrorText(const char *text) override
    {
        if (text && std::strstr(text, "Unable to allocate"))
            ++allocationFailures;
        next->DisplayErrorText(text);
    }
    void DisplayText(const char *text) override { next->DisplayText(text); }
    void DisplayWarningText(const char *text) override { next->DisplayWarningText(text); }
    void DisplayGenericWarningText(const char *text) override { next->DisplayGenericWarningText(text); }
    void DisplayDebugText(const char *text) override { next->DisplayDebugText(text); }

protected:
    vtkAllocationNotingWindow() = default;

private:
    vtkSmartPointer<vtkOutputWindow> next;
};

vtkStandardNewMacro(vtkAllocationNotingWindow);

// Once, around whatever window is set by then (the program sets its log first).
void NoteAllocationFailures()
{
    static std::once_flag wrapped;
    std::call_once(wrapped, [] {
        auto window = vtkSmartPointer<vtkAllocationNotingWindow>::New();
        window->SetNext(vtkOutputWindow::GetInstance());
        vtkOutputWindow::SetInstance(window);
    });
}

} // namespace

VtkAllocationWatch::VtkAllocationWatch()
{
    NoteAllocationFailures();
    failuresBefore = allocationFailures;
}

bool VtkAllocationWatch::RanShort() const
{
    return allocationFailures != failuresBefore;
}

UpdateOutcome TryUpdate(vtkAlgorithm *algorithm)
{
    const VtkAllocationWatch memory;
    try {
        algorithm->Update();
    } catch (const std::bad_alloc &) {
        return UpdateOutcome::OutOfMemory;
    } catch (const std::length_error &) {
        return UpdateOutcome::Failed;
    }
    return memory.RanShort() ? UpdateOutcome::OutOfMemory : UpdateOutcome::Done;
}

bool UpdateWithoutThrowing(vtkAlgorithm *algorithm)
{
    return TryUpdate(algorithm) == UpdateOutcome::Done;
}

} // namespace lumeno
