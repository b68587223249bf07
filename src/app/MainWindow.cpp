#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "DualView.h"
#include "FileWork.h"
#include "settings/LanguageNames.h"
#include "Resources.h"
#include "dialogs/DialogAbout.h"
#include "dialogs/DialogPreferences.h"
#include "settings/StoredColor.h"
#include "MeshWorker.h"
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
    : QMainWindow(parent), ui(new Ui::MainWindow)
{
    InstallStartupTranslation();

    ui->setupUi(this);
    setAcceptDrops(true);

    statusLabel = new QLabel;
    statusLabel->setObjectName(QStringLiteral("statusLabel"));
    statusLabel->setAlignment(Qt::AlignCenter);
    auto *statusBar = new QStatusBar; // owned by the toolbar once added
    statusBar->addPermanentWidget(statusLabel, 0);
    ui->bottomToolBar->addWidget(statusBar);

    ui->progressBar->setTextVisible(true);
    CreateProgressDisplay(statusBar);

    updater = new Updater(this);

    ResetDecimationActions();
    SetErrorDecimationEnabled(false);
    // The custom percentage has an icon of its own: its text would widen the row of sizes.
    if (auto *button = qobject_cast<QToolButton *>(
            ui->decimationByPercentageToolBar->widgetForAction(ui->actionDecimationSet)))
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    UpdateModelActions();

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

    ConnectActions();
    CreateEditHistory();
    UpdateWindowTitle();

    modelRead = std::make_unique<FileWork>();
    modelWrite = std::make_unique<FileWork>();
    view = std::make_unique<DualView>(ui->vtkOriginalWindow, ui->vtkDecimatedWindow, colours);
    CreateMeshWorker();
}

MainWindow::~MainWindow()
{
    StopMeshWorker();
    delete statusLabel;
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
    connect(ui->actionNew, &QAction::triggered, this, &MainWindow::NewSlot);
    connect(ui->actionOpen, &QAction::triggered, this, &MainWindow::OpenFileSlot);
    connect(ui->actionSave_as, &QAction::triggered, this, &MainWindow::SaveFileSlot);
    connect(ui->actionPreferences, &QAction::triggered, this, &MainWindow::OpenPreferencesSlot);
    connect(exitAction, &QAction::triggered, this, &MainWindow::close);
    connect(ui->actionContent, &QAction::triggered, this, &MainWindow::ContentSlot);
    connect(ui->actionAbout, &QAction::triggered, this, &MainWindow::AboutSlot);
    connect(ui->actionSnapshot, &QAction::triggered, this, &MainWindow::MakeSnapshotSlot);
    connect(ui->actionSmooth, &QAction::triggered, this, &MainWindow::MakeSmoothSlot);
    connect(ui->actionTransform, &QAction::triggered, this, &MainWindow::MakeTransformSlot);
    connect(ui->actionDecimation01, &QAction::triggered, this, &MainWindow::DecimationByError0_1);
    connect(ui->actionDecimation001, &QAction::triggered, this, &MainWindow::DecimationByError0_01);
    connect(ui->actionDecimation0001, &QAction::triggered, this, &MainWindow::DecimationByError0_001);
    connect(ui->actionDecimationByError, &QAction::triggered, this, &MainWindow::DecimationByError);
    connect(ui->actionDecimation10, &QAction::triggered, this, &MainWindow::Decimation10);
    connect(ui->actionDecimation20, &QAction::triggered, this, &MainWindow::Decimation20);
    connect(ui->actionDecimation30, &QAction::triggered, this, &MainWindow::Decimation30);
    connect(ui->actionDecimation40, &QAction::triggered, this, &MainWindow::Decimation40);
    connect(ui->actionDecimation50, &QAction::triggered, this, &MainWindow::Decimation50);
    connect(ui->actionDecimation60, &QAction::triggered, this, &MainWindow::Decimation60);
    connect(ui->actionDecimation70, &QAction::triggered, this, &MainWindow::Decimation70);
    connect(ui->actionDecimation80, &QAction::triggered, this, &MainWindow::Decimation80);
    connect(ui->actionDecimation90, &QAction::triggered, this, &MainWindow::Decimation90);
    connect(ui->actionDecimation100, &QAction::triggered, this, &MainWindow::Decimation100);
    connect(ui->actionDecimationSet, &QAction::triggered, this, &MainWindow::DecimationByPercentSlot);
    connect(ui->actionColorPicker, &QAction::triggered, this, &MainWindow::ColorPicker);
    connect(ui->actionDisplayMode, &QAction::triggered, this, &MainWindow::DisplayMode);
    connect(ui->actionZoom, &QAction::triggered, this, &MainWindow::Zoom);
    connect(ui->actionFront, &QAction::triggered, this, &MainWindow::ViewSlotFront);
    connect(ui->actionSide, &QAction::triggered, this, &MainWindow::ViewSlotSide);
    connect(ui->actionTop, &QAction::triggered, this, &MainWindow::ViewSlotTop);
    connect(ui->actionPers, &QAction::triggered, this, &MainWindow::ViewSlotPers);

    connect(this, &MainWindow::DecimationFinished, this, &MainWindow::DecimationFinishedSlot);
    connect(this, &MainWindow::ButtonsMustChange, this, &MainWindow::changeButton);
}

void MainWindow::RetranslateExtraTexts()
{
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
        if (shownModel)
            ShowResult(shownModel, CurrentLabel(), shownDeviation);
    }
    QMainWindow::changeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!MayDiscardChanges()) {
        event->ignore();
        return;
    }
    // Nothing of a running operation may arrive once the window is closed.
    modelRead->Cancel();
    CancelMeshJob();
    QMainWindow::closeEvent(event);
}

void MainWindow::AboutSlot()
{
    DialogAbout dialog(this);
    dialog.exec();
}

void MainWindow::OpenPreferencesSlot()
{
    delete preferencesDialog;
    preferencesDialog = new DialogPreferences(this);
    // The window is called as its menu entry is (without its shortcut marker).
    preferencesDialog->setWindowTitle(ui->actionPreferences->iconText());
    connect(preferencesDialog, &DialogPreferences::PreferencesColorChanged, this, &MainWindow::colorChanged);
    connect(preferencesDialog, &DialogPreferences::PreferencesColorBackgroundTopChanged, this,
            &MainWindow::colorTopChanged);
    connect(preferencesDialog, &DialogPreferences::PreferencesColorBackgroundBottomChanged, this,
            &MainWindow::colorBottomChanged);
    preferencesDialog->show();
}
