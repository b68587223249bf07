#pragma once

#include <QMainWindow>
#include <QString>
#include <QTranslator>

#include "ModelDocument.h"

#include <array>
#include <functional>
#include <memory>

class QAction;
class QColor;
class MessageLine;
class QPushButton;
class QSettings;
class QStatusBar;
class QUndoStack;
class vtkRenderWindow;

class DialogPreferences;
class DualView;
class Updater;

namespace Ui {
class MainWindow;
}

// Presents a ModelDocument: the two views, the toolbars and menus, the status line with its
// progress bar, and the dialogs. What is open and what runs on it belongs to the document;
// the window keeps what is about presenting it (the edit history, the recent files, the
// language and colours).
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    ModelDocument &Document() const { return *document; }
    DualView &View() const { return *view; }

    // Opens the file as Open does, after asking about unsaved changes.
    void LoadModel(const QString &fileName);
    // Opens the first of the files, and says in the status bar when there were more.
    void LoadModels(const QStringList &files);
    void UpdateRecentFileActions();
    // An edit of the transform that OK or Cancel settled, for Undo and Redo.
    void RecordTransform(const TransformState &before, const TransformState &after);

    // The right view's label and the line under it: how far the shown model lies from the loaded one.
    QString CurrentLabel() const;
    QString CurrentNote() const;
    QString InterfaceLanguage() const { return translator.language(); }

private slots:
    void NewModel();
    void OpenFile();
    void OpenRecentFile();
    void OpenPreferences();
    void SaveFile();
    void ShowAbout();
    void ShowHelp();
    void SaveSnapshot();
    // The model and its nine levels as one GLB file.
    void SaveLevelsAsOneFile();
    void OpenTransformDialog();
    void ReduceByErrorPreset();
    void ReduceByErrorAsked();
    void ReduceByPercentAsked();
    void ShowLevelOfAction();
    void PickModelColour();
    void CycleDisplayMode();
    void SetModelColour(QColor color);
    void SetBackgroundTop(QColor color);
    void SetBackgroundBottom(QColor color);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    static constexpr int MaxRecentFiles = 5;

    void ConnectActions();
    void ConnectDocument();
    void CreateEditHistory();
    void CreateProgressDisplay(QStatusBar *statusBar);
    void InstallStartupTranslation();
    void RetranslateExtraTexts();
    // What the empty views say: how to open a model.
    void ShowStartHints();
    void UpdateWindowTitle();

    // What the window does when the document changes.
    void ShowOpenedModel();
    void ShowOpenFailure(const QString &path, const lumeno::ReadResult &result);
    void ShowClosedModel();
    void ShowShownResult();
    // The shown model's deviation picture arrived, or Show deviation was turned on or off.
    void ShowShownPicture();
    void ShowTransform();
    void ShowState();
    void ShowSaveOutcome(const QString &path, bool written, const QString &error);
    void RecordSmoothing(const ModelDocument::Result &before, const ModelDocument::Result &after);

    // Runs `next` once unsaved changes are settled: saved (once the file is written) or
    // discarded; not when the user cancels.
    void AfterChangesSettled(std::function<void()> next);
    // Save as with its dialogs; `written` runs once the file has been written.
    void SaveWithDialog(std::function<void()> written = {});
    void WriteSnapshot(const QString &fileName, vtkRenderWindow *renderWindow);

    // The actions enabled for what the document has and does now.
    void UpdateActions();
    void LabelLevelActions();
    QAction *LevelAction(int percent) const;

    static void AddRecentFile(const QString &path);
    static bool IsRecentFile(const QString &path);
    static void RemoveRecentFile(const QString &path);

    Ui::MainWindow *ui;
    MessageLine *statusLabel = nullptr; // the message line
    QPushButton *cancelButton = nullptr;
    QSettings *settings = nullptr;
    DialogPreferences *preferencesDialog = nullptr;
    Updater *updater = nullptr;
    std::array<QAction *, MaxRecentFiles> recentFileActions{};
    QAction *exitAction = nullptr;
    QTranslator translator;
    QTranslator qtTranslator; // Qt's own texts: standard buttons, file and colour dialogs
    // Destroyed after the view, whose models it holds, and before the form's widgets.
    std::unique_ptr<ModelDocument> document;
    // Destroyed before the form's widgets, whose render windows it draws into.
    std::unique_ptr<DualView> view;
    // The transforms and smoothings since the last load; its clean state is the last save.
    QUndoStack *history = nullptr;
    TransformState drawnTransform; // the scale and rotation the views show
    // What runs once the file being saved is written, and whether the window closes then.
    std::function<void()> afterSave;
    bool closeWhenSaved = false;
    bool savingLevelsFile = false; // the file being written holds the levels, not the model shown
    int levelAwaited = 0; // the level to show once the levels made again reach it
    bool closeSettled = false;
};
