#include "dialogs/DialogPreferences.h"
#include "ui_DialogPreferences.h"

#include "fonts/ViewTextFont.h"
#include "settings/LanguageNames.h"
#include "settings/ReductionMethod.h"
#include "settings/SaveQuestion.h"
#include "settings/StoredColor.h"
#include "settings/UpAxisSetting.h"
#include "update/Updater.h"

#include <QAbstractItemView>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QMessageBox>
#include <QSettings>

namespace {

QColor StoredColor(const QSettings &settings, const char *prefix, double defaultValue)
{
    const QString key = QString::fromLatin1(prefix);
    return QColor::fromRgbF(StoredColorComponent(settings, key + QStringLiteral("Red"), defaultValue),
                            StoredColorComponent(settings, key + QStringLiteral("Green"), defaultValue),
                            StoredColorComponent(settings, key + QStringLiteral("Blue"), defaultValue));
}

} // namespace

DialogPreferences::DialogPreferences(QWidget *parent) : QDialog(parent), ui(new Ui::DialogPreferences)
{
    ui->setupUi(this);
    setWindowFlags((windowFlags() | Qt::CustomizeWindowHint) & ~Qt::WindowContextHelpButtonHint);

    FillLanguages();

    modelColorDialog = new QColorDialog(this);
    topColorDialog = new QColorDialog(this);
    bottomColorDialog = new QColorDialog(this);

    ShowStoredColors();

    connect(ui->buttonColor, &QPushButton::clicked, modelColorDialog, &QColorDialog::exec);
    connect(ui->btnBackgroundTop, &QPushButton::clicked, topColorDialog, &QColorDialog::exec);
    connect(ui->btnBackgroundBottom, &QPushButton::clicked, bottomColorDialog, &QColorDialog::exec);
    connect(modelColorDialog, &QColorDialog::colorSelected, this, &DialogPreferences::ChangeModelColor);
    connect(topColorDialog, &QColorDialog::colorSelected, this, &DialogPreferences::ChangeBackgroundTopColor);
    connect(bottomColorDialog, &QColorDialog::colorSelected, this, &DialogPreferences::ChangeBackgroundBottomColor);
    // Connected only now, so that selecting the stored language above shows no message.
    connect(ui->comboBoxLanguage, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &DialogPreferences::ChangeLanguage);
    connect(ui->btnRestoreDefault, &QPushButton::clicked, this, &DialogPreferences::RestoreDefaultColors);
    FillReductionMethods();
    connect(ui->comboBoxReduction, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this] {
        const lumeno::ReductionEngine engine = *lumeno::EngineFromKey(ui->comboBoxReduction->currentData().toString());
        StoreReductionEngine(engine);
        emit PreferencesEngineChanged(engine);
    });
    FillUpAxisChoices();
    connect(ui->comboBoxUpAxis, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this] {
        StoreUpAxisChoice(*lumeno::UpAxisChoiceFromKey(ui->comboBoxUpAxis->currentData().toString()));
    });
    // A build without the update check (a distribution's package) has nothing to switch.
    ui->checkBoxUpdates->setVisible(Updater::BuiltIn);
    ui->checkBoxUpdates->setChecked(QSettings().value(QStringLiteral("CheckForUpdates"), true).toBool());
    connect(ui->checkBoxUpdates, &QCheckBox::toggled, this,
            [](bool checked) { QSettings().setValue(QStringLiteral("CheckForUpdates"), checked); });
    ui->checkBoxAskBeforeLoss->setChecked(AsksBeforeSavingWithLoss());
    connect(ui->checkBoxAskBeforeLoss, &QCheckBox::toggled, this, &SetAskBeforeSavingWithLoss);
    // Every choice applies at once; closing only hides the dialog.
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

DialogPreferences::~DialogPreferences()
{
    delete modelColorDialog;
    delete topColorDialog;
    delete bottomColorDialog;
    delete ui;
}

void DialogPreferences::FillReductionMethods()
{
    const QSignalBlocker quiet(ui->comboBoxReduction);
    ui->comboBoxReduction->clear();
    // The default first; Classic is the engine the program always had.
    ui->comboBoxReduction->addItem(tr("Quality"), lumeno::EngineKey(lumeno::ReductionEngine::Quality));
    ui->comboBoxReduction->addItem(tr("Classic"), lumeno::EngineKey(lumeno::ReductionEngine::Classic));
    ui->comboBoxReduction->setCurrentIndex(
        ui->comboBoxReduction->findData(lumeno::EngineKey(StoredReductionEngine())));
}

void DialogPreferences::FillUpAxisChoices()
{
    const QSignalBlocker quiet(ui->comboBoxUpAxis);
    ui->comboBoxUpAxis->clear();
    ui->comboBoxUpAxis->addItem(tr("Automatic: Z for 3MF and printer parts, else Y"),
                                lumeno::UpAxisChoiceKey(lumeno::UpAxisChoice::Automatic));
    ui->comboBoxUpAxis->addItem(tr("Y up"), lumeno::UpAxisChoiceKey(lumeno::UpAxisChoice::Y));
    ui->comboBoxUpAxis->addItem(tr("Z up"), lumeno::UpAxisChoiceKey(lumeno::UpAxisChoice::Z));
    ui->comboBoxUpAxis->setCurrentIndex(ui->comboBoxUpAxis->findData(lumeno::UpAxisChoiceKey(StoredUpAxisChoice())));
}

void DialogPreferences::FillLanguages()
{
    QList<QLocale> locales;
    for (auto language = LanguageNames.cbegin(); language != LanguageNames.cend(); ++language) {
        ui->comboBoxLanguage->addItem(language.value(), language.key());
        locales << LanguageLocale(language.key());
    }
    // Each language is named in its own letters, which the interface font may not have.
    const QFont names = FontForLanguages(ui->comboBoxLanguage->font(), locales);
    ui->comboBoxLanguage->setFont(names);
    ui->comboBoxLanguage->view()->setFont(names);

    const QString stored = QSettings().value(QStringLiteral("Language")).toString();
    const int index = ui->comboBoxLanguage->findText(LanguageNames.value(stored), Qt::MatchExactly);
    if (index >= 0)
        ui->comboBoxLanguage->setCurrentIndex(index);
}

void DialogPreferences::ShowStoredColors()
{
    const QSettings settings;
    ShowColor(ui->buttonColor, StoredColor(settings, "model", 1.0));
    ShowColor(ui->btnBackgroundTop, StoredColor(settings, "backgroundTop", 0.9));
    ShowColor(ui->btnBackgroundBottom, StoredColor(settings, "backgroundBottom", 1.0));
}

void DialogPreferences::ShowColor(QPushButton *button, const QColor &color)
{
    button->setStyleSheet(QStringLiteral("background-color: %1").arg(color.name()));
}

void DialogPreferences::ChangeModelColor(QColor color)
{
    ShowColor(ui->buttonColor, color);
    emit PreferencesColorChanged(color);
}

void DialogPreferences::ChangeBackgroundTopColor(QColor color)
{
    ShowColor(ui->btnBackgroundTop, color);
    emit PreferencesColorBackgroundTopChanged(color);
}

void DialogPreferences::ChangeBackgroundBottomColor(QColor color)
{
    ShowColor(ui->btnBackgroundBottom, color);
    emit PreferencesColorBackgroundBottomChanged(color);
}

void DialogPreferences::RestoreDefaultColors()
{
    ChangeModelColor(QColor::fromRgbF(1.0, 1.0, 1.0, 1.0));
    ChangeBackgroundTopColor(QColor::fromRgbF(0.9, 0.9, 0.9, 1.0));
    ChangeBackgroundBottomColor(QColor::fromRgbF(1.0, 1.0, 1.0, 1.0));
}

void DialogPreferences::ChangeLanguage(int)
{
    const QString code = ui->comboBoxLanguage->currentData(Qt::UserRole).toString();
    QSettings().setValue(QStringLiteral("Language"), code);
    QMessageBox::information(this, tr("Information"),
                             tr("You have changed the language used to display the Lumeno3D user interface.\n\n"
                                "This change will not take effect until you restart Lumeno3D."),
                             QMessageBox::Ok);
}

void DialogPreferences::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        FillReductionMethods();
        FillUpAxisChoices();
    }
    QDialog::changeEvent(event);
}
