#include "AppSupport.h"

#include "dialogs/DialogPreferences.h"
#include "dialogs/DialogTransform.h"
#include "io/write/ModelWriter.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QVTKOpenGLNativeWidget.h>

#include <vtkPoints.h>
#include <vtkRenderWindow.h>

namespace testing {

ModalAnswers::ModalAnswers(QList<ModalAnswer> answers) : pending(std::move(answers))
{
    Arm();
}

// Each answer arms the watch for the next before it acts: a modal widget can come up from
// within the action (the question whether to replace a file).
void ModalAnswers::Arm()
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

// The dialog fills its file list in a thread of its own and, under load, may reset the typed
// name when that list arrives: a dialog still open is given the name again every half second,
// and cancelled after five seconds so that a name it refuses fails the test instead of hanging it.
ModalAnswer ChooseFile(const QString &path, const QString &filterPattern)
{
    return [=](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        if (!dialog)
            return void(modal->close());
        for (const QString &filter : dialog->nameFilters())
            if (!filterPattern.isEmpty() && filter.contains(filterPattern))
                dialog->selectNameFilter(filter);
        QPointer<QFileDialog> open(dialog);
        auto attempts = std::make_shared<int>(0);
        auto accept = [open, path, attempts] {
            if (!open || !open->isVisible() || QApplication::activeModalWidget() != open)
                return;
            if (++*attempts > 10)
                return open->reject();
            open->selectFile(path);
            // selectFile() leaves the name field alone while it has the keyboard focus.
            if (auto *name = open->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
                name->setText(path);
            static_cast<QDialog *>(open.data())->accept(); // QFileDialog keeps its own accept() protected
        };
        auto *retry = new QTimer(dialog);
        QObject::connect(retry, &QTimer::timeout, dialog, accept);
        retry->start(500);
        accept();
    };
}

ModalAnswer Press(QMessageBox::StandardButton button, std::shared_ptr<QStringList> texts)
{
    return [=](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (box)
            *texts << box->text();
        if (box && box->button(button))
            box->button(button)->click();
        else
            modal->close();
    };
}

QAction *Action(MainWindow &window, const QString &name)
{
    return window.findChild<QAction *>(name);
}

QAction *LevelAction(MainWindow &window, int percent)
{
    return Action(window, QStringLiteral("actionDecimation%1").arg(percent));
}

bool Show(MainWindow &window)
{
    window.resize(900, 650);
    window.show();
    return QTest::qWaitForWindowExposed(&window);
}

QStringList RecentFiles()
{
    return QSettings().value(QStringLiteral("RecentFileList")).toStringList();
}

QStringList RecentMenuEntries(MainWindow &window)
{
    QStringList entries;
    for (QAction *action : window.findChild<QMenu *>(QStringLiteral("menuFile"))->actions())
        if (action->isVisible() && !action->data().toString().isEmpty())
            entries << action->data().toString();
    return entries;
}

DialogTransform *OpenTransformDialog(MainWindow &window)
{
    const QList<DialogTransform *> before = window.findChildren<DialogTransform *>();
    Action(window, QStringLiteral("actionTransform"))->trigger();
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *dialog = qobject_cast<DialogTransform *>(widget); dialog && dialog->isVisible() && !before.contains(dialog))
            return dialog;
    return nullptr;
}

DialogPreferences *OpenPreferences(MainWindow &window)
{
    Action(window, QStringLiteral("actionPreferences"))->trigger();
    return window.findChild<DialogPreferences *>();
}

QStringList Colours(DialogPreferences *dialog)
{
    QStringList colours;
    for (const char *button : {"buttonColor", "btnBackgroundTop", "btnBackgroundBottom"})
        colours << dialog->findChild<QPushButton *>(QLatin1String(button))->styleSheet().section(QLatin1Char(' '), -1);
    return colours;
}

QStringList Run(MainWindow &window, const char *action, QList<ModalAnswer> answers)
{
    ModalAnswers answering(std::move(answers));
    Action(window, QString::fromLatin1(action))->trigger();
    // The window's dialogs are modal: each has come and been answered when trigger() returns,
    // but for the messages of the file work the action started, which come once it has ended.
    const ModelDocument &document = window.Document();
    WaitUntil([&] { return !document.IsReading() && !document.IsSaving(); }, 60000);
    QCoreApplication::processEvents();
    if (!answering.AllGiven())
        return {QStringLiteral("a dialog of %1 did not come").arg(QLatin1String(action))};
    return answering.Closed();
}

bool WaitForCascade(MainWindow &window, int timeoutMs)
{
    const ModelDocument &document = window.Document();
    return WaitUntil([&document] { return !document.IsReading() && document.LoadedModel() &&
                                          document.RunningJob() == ModelDocument::Job::None; },
                     timeoutMs);
}

bool WaitForMeshJob(MainWindow &window, int timeoutMs)
{
    return WaitUntil([&window] { return window.Document().RunningJob() == ModelDocument::Job::None; }, timeoutMs);
}

bool LoadIntoWindow(MainWindow &window, vtkPolyData *model, const QString &path)
{
    if (!WriteModel(model, path))
        return false;
    window.LoadModel(path);
    return WaitForCascade(window);
}

bool LoadPainted(MainWindow &window, const QString &path, int theta, int phi)
{
    if (!lumeno::WriteModelFile(WithAttributes(Sphere(theta, phi)), path, "ply").written)
        return false;
    window.LoadModel(path);
    return WaitForCascade(window);
}

QImage Grab(MainWindow &window, const char *view)
{
    auto *widget = window.findChild<QVTKOpenGLNativeWidget *>(QString::fromLatin1(view));
    widget->renderWindow()->Render();
    return widget->grabFramebuffer();
}

vtkSmartPointer<vtkPolyData> Placed(vtkPolyData *model, double factor, double dx, double dy, double dz)
{
    auto placed = vtkSmartPointer<vtkPolyData>::New();
    placed->DeepCopy(model);
    vtkPoints *points = placed->GetPoints();
    for (vtkIdType i = 0; i < points->GetNumberOfPoints(); ++i) {
        double p[3];
        points->GetPoint(i, p);
        points->SetPoint(i, p[0] * factor + dx, p[1] * factor + dy, p[2] * factor + dz);
    }
    return placed;
}

} // namespace testing
