#pragma once
// What the window tests share: the application as main() makes it, dialog answers, the
// window's actions and a model loaded as the user loads one.
#include "TestSupport.h"

#include "ApplicationSetup.h"

#include "MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSettings>

#include <functional>
#include <memory>

class DialogPreferences;
class DialogTransform;

namespace testing {

using ModalAnswer = std::function<void(QWidget *)>;

// Answers, in order, the modal widgets that come up while it lives. One that comes when no
// answer is left is noted (its text or title) and closed, so a test never hangs on it.
class ModalAnswers : public QObject
{
public:
    explicit ModalAnswers(QList<ModalAnswer> answers);
    bool AllGiven() const { return pending.isEmpty(); }
    QStringList Closed() const { return closed; }

private:
    void Arm();
    QList<ModalAnswer> pending;
    QList<QPointer<QWidget>> answered;
    QStringList closed;
};

// Chooses the name filter containing `filterPattern` (when given), types the path and accepts.
ModalAnswer ChooseFile(const QString &path, const QString &filterPattern = QString());
// Notes the message box's text and presses the button.
ModalAnswer Press(QMessageBox::StandardButton button, std::shared_ptr<QStringList> texts);

QAction *Action(MainWindow &window, const QString &name);
QAction *LevelAction(MainWindow &window, int percent);

// Resized to what the tests expect, shown and exposed.
bool Show(MainWindow &window);
// The recent files as stored, and as the File menu lists them.
QStringList RecentFiles();
QStringList RecentMenuEntries(MainWindow &window);
// Triggers Transform and returns the dialog it opened.
DialogTransform *OpenTransformDialog(MainWindow &window);
DialogPreferences *OpenPreferences(MainWindow &window);
// The model, background top and background bottom colours the preferences show, as "#rrggbb".
QStringList Colours(DialogPreferences *dialog);
inline const QStringList DefaultColours{"#ffffff", "#e6e6e6", "#ffffff"};

// Triggers the action with these answers; returns the texts of the message boxes that came after them.
QStringList Run(MainWindow &window, const char *action, QList<ModalAnswer> answers = {});

// The file asked for last is read (or failed) and the levels of the model open are done.
bool WaitForCascade(MainWindow &window, int timeoutMs = 120000);
// The mesh operation started last (cascade, reduction, smoothing) has ended.
bool WaitForMeshJob(MainWindow &window, int timeoutMs = 120000);
// Writes the model to `path`, loads it and waits for the levels.
bool LoadIntoWindow(MainWindow &window, vtkPolyData *model, const QString &path);
// A sphere with vertex colours, normals and texture coordinates, saved as `path` (PLY) and loaded.
bool LoadPainted(MainWindow &window, const QString &path, int theta = 32, int phi = 32);
// The view (vtkOriginalWindow, vtkDecimatedWindow) rendered now.
QImage Grab(MainWindow &window, const char *view);
// The model scaled by `factor` about the origin, then moved by `offset`.
vtkSmartPointer<vtkPolyData> Placed(vtkPolyData *model, double factor, double dx, double dy, double dz);

} // namespace testing

#define LUMENO_TEST_MAIN(TestObject)                                                                                  \
    int main(int argc, char *argv[])                                                                                  \
    {                                                                                                                 \
        testing::IsolateEnvironment();                                                                                \
        PrepareApplication();                                                                                         \
        QApplication app(argc, argv);                                                                                 \
        NameApplication();                                                                                            \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                                      \
        TestObject test;                                                                                              \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                    \
        return QTest::qExec(&test, argc, argv);                                                                       \
    }
