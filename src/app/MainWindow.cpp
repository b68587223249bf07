#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "DualView.h"
#include "ErrorBoundIcon.h"
#include "MenuText.h"
#include "MessageLine.h"
#include "settings/LanguageNames.h"
#include "dialogs/DialogAbout.h"
#include "dialogs/DialogPreferences.h"
#include "settings/ReductionMethod.h"
#include "settings/StoredColor.h"
#include "update/Updater.h"

#include <QCloseEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QToolButton>
#include <QUndoStack>

#include <vtkPolyData.h>

namespace {
DualView::Rgb StoredRgb(const QSettings &settings, const QString &prefix, double fallback)
{
    return {StoredColorComponent(settings, prefix + QStringLiteral("Red"), fallback),
            StoredColorComponent(settings, prefix + QStringLiteral("Green"), fallback),
            StoredColorComponent(settings, prefix + QStringLiteral("Blue"), fallback)};
}
} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent), ui(new Ui::MainWindow),
      document(std::make_unique<ModelDocument>(StoredReductionEngine()))
{
    InstallStartupTranslation();

    ui->setupUi(this);
    setAcceptDrops(true);
    // The error bounds of the three preset buttons, as a share of the bounding box diagonal.
    ui->actionDecimation01->setData(0.1);
    ui->actionDecimation001->setData(0.01);
    ui->actionDecimation0001->setData(0.001);

    // The messages have a line of their own across the window's whole width, below the
    // toolbars: no toolbar can push them behind its extension button.
    statusLabel = new MessageLine;
    statusLabel->setObjectName(QStringLiteral("statusLabel"));
    statusBar()->addWidget(statusLabel, 1);

    ui->progressBar->setTextVisible(true);
    CreateProgressDisplay(statusBar());

    updater = new Updater(this);

    // The custom percentage has an icon of its own: its text would widen the row of sizes.
    if (auto *button = qobject_cast<QToolButton *>(
            ui->decimationByPercentageToolBar->widgetForAction(ui->actionDecimationSet)))
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);

    for (auto &action : recentFileActions) {
        action = new QAction(this);
        action->setVisible(false);
        connect(action, &QAction::triggered, this, &MainWindow::OpenRecentFile);
    }
    UpdateRecentFileActions();

    ui->menuFile->addSeparator();
    for (QAction *action : recentFileActions)
        ui->menuFile->addAction(action);
    ui->menuFile->addSeparator();
    exitAction = new QAction(QIcon(QStringLiteral(":/Menu/ico_exit")), QString(), this);
    ui->menuFile->addAction(exitAction);
    RetranslateExtraTexts();

    settings = new QSettings;
    DualView::Colours colours;
    colours.model = StoredRgb(*settings, QStringLiteral("model"), 1.0);
    colours.backgroundTop = StoredRgb(*settings, QStringLiteral("backgroundTop"), 0.9);
    colours.backgroundBottom = StoredRgb(*settings, QStringLiteral("backgroundBottom"), 1.0);

    view = std::make_unique<DualView>(ui->vtkOriginalWindow, ui->vtkDecimatedWindow, colours);
    CreateEditHistory();
    ConnectActions();
    ShowStartHints(); // names the Open shortcut, set by ConnectActions
    ConnectDocument();
    UpdateWindowTitle();
    UpdateActions();
}

MainWindow::~MainWindow()
{
    // The history empties itself as it goes, after the actions it would update.
    history->disconnect(this);
    delete preferencesDialog;
    delete updater;
    delete settings;
    delete ui;
}

void MainWindow::InstallStartupTranslation()
{
    QSettings languageSettings;
    QString code = languageSettings.value(QStringLiteral("Language"), LanguageCodeFor(QLocale::system())).toString();
    if (!LanguageNames.contains(code))
        code = QStringLiteral("en");
    languageSettings.setValue(QStringLiteral("Language"), code);

    // Numbers and Qt's own dialogs (files, colours, message buttons) follow the interface language.
    const QLocale locale = LanguageLocale(code);
    QLocale::setDefault(locale);
    qtTranslator.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::location(QLibraryInfo::TranslationsPath));
    qApp->installTranslator(&qtTranslator);

    translator.load(QStringLiteral(":/Lang/Lumeno3D_%1.qm").arg(code));
    qApp->installTranslator(&translator);
}

void MainWindow::ConnectActions()
{
    // The desktop's own keys. The program saves only through Save as, so it takes both.
    ui->actionNew->setShortcuts(QKeySequence::New);
    ui->actionOpen->setShortcuts(QKeySequence::Open);
    ui->actionSave_as->setShortcuts(QKeySequence::keyBindings(QKeySequence::Save) +
                                    QKeySequence::keyBindings(QKeySequence::SaveAs));
    ui->actionPreferences->setShortcuts(QKeySequence::Preferences);
    ui->actionContent->setShortcuts(QKeySequence::HelpContents);
    exitAction->setShortcuts(QKeySequence::Quit);
    connect(ui->actionNew, &QAction::triggered, this, &MainWindow::NewModel);
    connect(ui->actionOpen, &QAction::triggered, this, &MainWindow::OpenFile);
    connect(ui->actionSave_as, &QAction::triggered, this, &MainWindow::SaveFile);
    connect(ui->actionSave_levels_as_one_file, &QAction::triggered, this, &MainWindow::SaveLevelsAsOneFile);
    connect(ui->actionPreferences, &QAction::triggered, this, &MainWindow::OpenPreferences);
    connect(exitAction, &QAction::triggered, this, &MainWindow::close);
    connect(ui->actionContent, &QAction::triggered, this, &MainWindow::ShowHelp);
    connect(ui->actionAbout, &QAction::triggered, this, &MainWindow::ShowAbout);
    connect(ui->actionSnapshot, &QAction::triggered, this, &MainWindow::SaveSnapshot);
    connect(ui->actionSmooth, &QAction::triggered, document.get(), &ModelDocument::Smooth);
    connect(ui->actionTransform, &QAction::triggered, this, &MainWindow::OpenTransformDialog);
    for (QAction *preset : {ui->actionDecimation01, ui->actionDecimation001, ui->actionDecimation0001})
        connect(preset, &QAction::triggered, this, &MainWindow::ReduceByErrorPreset);
    connect(ui->actionDecimationByError, &QAction::triggered, this, &MainWindow::ReduceByErrorAsked);
    for (int percent = 10; percent <= 100; percent += 10) {
        LevelAction(percent)->setData(percent);
        connect(LevelAction(percent), &QAction::triggered, this, &MainWindow::ShowLevelOfAction);
    }
    connect(ui->actionDecimationSet, &QAction::triggered, this, &MainWindow::ReduceByPercentAsked);
    connect(ui->actionColorPicker, &QAction::triggered, this, &MainWindow::PickModelColour);
    connect(ui->actionDisplayMode, &QAction::triggered, this, &MainWindow::CycleDisplayMode);
    connect(ui->actionShowDeviation, &QAction::toggled, document.get(), &ModelDocument::SetShowDeviation);
    connect(ui->actionZoom, &QAction::triggered, view.get(), &DualView::FitCameras);
    const std::pair<QAction *, DualView::CameraPreset> presets[] = {
        {ui->actionFront, DualView::CameraPreset::Front},
        {ui->actionSide, DualView::CameraPreset::Side},
        {ui->actionTop, DualView::CameraPreset::Top},
        {ui->actionPers, DualView::CameraPreset::Perspective}};
    for (const auto &[action, preset] : presets)
        connect(action, &QAction::triggered, this, [this, preset = preset] { view->AimCameras(preset); });
}

void MainWindow::RetranslateExtraTexts()
{
    // The error bounds' numbers as the interface language writes them.
    const QLocale locale;
    for (QAction *preset : {ui->actionDecimation01, ui->actionDecimation001, ui->actionDecimation0001}) {
        const double bound = preset->data().toDouble();
        preset->setIcon(ErrorBoundIcon(bound, locale));
        preset->setText(tr("Error bound %1").arg(locale.toString(bound)));
        preset->setToolTip(
            tr("Remove triangles while the filter's error bound, %1 of the bounding box diagonal, allows")
                .arg(locale.toString(bound)));
    }
    exitAction->setText(tr("&Exit"));
    exitAction->setStatusTip(tr("Exit from Lumeno3D"));
    cancelButton->setText(tr("Cancel"));
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        RetranslateExtraTexts();
        UpdateWindowTitle(); // the form's texts include the bare program name
        // The form's texts of the level buttons are empty: their sizes, in the new language.
        LabelLevelActions();
        ShowShownResult();
        ShowState();
        ShowStartHints();
    }
    QMainWindow::changeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // A file being written is finished first: the window closes once it is.
    if (document->IsSaving()) {
        closeWhenSaved = true;
        event->ignore();
        return;
    }
    if (!closeSettled) {
        // Settled at once (nothing to save, or discarded), or later, once a file is saved.
        auto asking = std::make_shared<bool>(true);
        bool settledNow = false;
        AfterChangesSettled([this, asking, &settledNow] {
            if (*asking)
                return void(settledNow = true);
            closeSettled = true;
            close();
        });
        *asking = false;
        if (!settledNow) {
            event->ignore();
            return;
        }
    }
    closeSettled = false;
    // Nothing of a running operation may arrive once the window is closed.
    document->StopWork();
    QMainWindow::closeEvent(event);
}

void MainWindow::ShowAbout()
{
    DialogAbout dialog(this);
    dialog.exec();
}

void MainWindow::OpenPreferences()
{
    delete preferencesDialog;
    preferencesDialog = new DialogPreferences(this);
    // The window is called as its menu entry is, without its shortcut marker.
    preferencesDialog->setWindowTitle(MenuTextAsTitle(ui->actionPreferences->text()));
    connect(preferencesDialog, &DialogPreferences::PreferencesColorChanged, this, &MainWindow::SetModelColour);
    connect(preferencesDialog, &DialogPreferences::PreferencesColorBackgroundTopChanged, this,
            &MainWindow::SetBackgroundTop);
    connect(preferencesDialog, &DialogPreferences::PreferencesColorBackgroundBottomChanged, this,
            &MainWindow::SetBackgroundBottom);
    connect(preferencesDialog, &DialogPreferences::PreferencesEngineChanged, document.get(),
            &ModelDocument::SetEngine);
    preferencesDialog->show();
}
