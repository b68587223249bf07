// What the window puts into the two views, and the size labels of the level buttons.
#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "DualView.h"
#include "PercentText.h"
#include "io/write/LevelSizes.h"
#include "model/ModelTransform.h"
#include "model/PointAttributes.h"

#include <QKeySequence>
#include <QLocale>
#include <QMenu>
#include <QRegularExpression>
#include <QResizeEvent>

#include <vtkPolyData.h>
#include <vtkTransform.h>

#include <cmath>

namespace {

// How far the shown model lies from the loaded one, in percent of its bounding box diagonal.
QString DeviationNote(const lumeno::SurfaceDeviation &deviation)
{
    if (!deviation.IsMeasured())
        return QString();
    const QLocale locale;
    return MainWindow::tr("max. deviation %1 %, mean %2 %")
        .arg(PercentText(deviation.maximum * 100.0, locale), PercentText(deviation.mean * 100.0, locale));
}

// A menu or action text as said in a sentence: without its access key ("&Open", "ファイル(&F)")
// and without the dots that announce a dialog.
QString PlainMenuText(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("\\(&.\\)")));
    text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    text.remove(QRegularExpression(QStringLiteral("(\\.\\.\\.|\u2026)$")));
    return text.trimmed();
}

} // namespace

void MainWindow::ShowStartHints()
{
    const QString file = PlainMenuText(ui->menuFile->title());
    const QString shortcut = ui->actionOpen->shortcut().toString(QKeySequence::NativeText);
    const QStringList original{
        tr("Open a model with %1 > %2 (%3)").arg(file, PlainMenuText(ui->actionOpen->text()), shortcut),
        tr("or drop a model file here"), tr("(STL, OBJ, PLY, OFF, glTF or 3MF)."), QString(),
        tr("The files opened last are at the end of the %1 menu.").arg(file)};
    view->SetStartHints(original.join(QLatin1Char('\n')), tr("The reduced model appears here."));
}

QString MainWindow::CurrentLabel() const
{
    return view->DecimatedLabel();
}

QString MainWindow::CurrentNote() const
{
    return view->DecimatedNote();
}

void MainWindow::ShowShownResult()
{
    const ModelDocument::Result &shown = document->Shown();
    if (shown.model)
        view->ShowDecimatedResult(shown.model, shown.label, DeviationNote(shown.deviation), document->ShownPicture());
}

void MainWindow::ShowShownPicture()
{
    if (!document->Shown().model)
        return;
    view->ShowDeviation(document->ShownPicture());
    view->RenderDecimated();
}

void MainWindow::ShowTransform()
{
    const TransformState &state = document->Transform();
    // Drawing a large model again costs seconds with software OpenGL.
    if (state.scale == drawnTransform.scale && state.rotation == drawnTransform.rotation)
        return;
    drawnTransform = state;
    view->SetModelTransform(lumeno::MakeModelTransform(state.scale.data(), state.rotation.data()));
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    view->RefreshPanels();
}

QAction *MainWindow::LevelAction(int percent) const
{
    switch (percent) {
    case 10: return ui->actionDecimation10;
    case 20: return ui->actionDecimation20;
    case 30: return ui->actionDecimation30;
    case 40: return ui->actionDecimation40;
    case 50: return ui->actionDecimation50;
    case 60: return ui->actionDecimation60;
    case 70: return ui->actionDecimation70;
    case 80: return ui->actionDecimation80;
    case 90: return ui->actionDecimation90;
    case 100: return ui->actionDecimation100;
    default: return nullptr;
    }
}

void MainWindow::LabelLevelActions()
{
    vtkPolyData *loaded = document->LoadedModel();
    if (!loaded) {
        for (int percent = 10; percent <= 100; percent += 10) {
            LevelAction(percent)->setText(QString());
            LevelAction(percent)->setToolTip(QString());
        }
        return;
    }
    // The size each level's file will have in the loaded file's format: from the level's
    // counts and attributes once it exists, from the loaded model's counts, its nominal share
    // and its attributes before.
    const qint64 triangles = loaded->GetNumberOfPolys();
    const qint64 vertices = loaded->GetNumberOfPoints();
    const lumeno::PointAttributes attributes = lumeno::AttributesOf(loaded);
    const auto sizeText = [this](qint64 t, qint64 v, const lumeno::PointAttributes &carried) {
        return lumeno::FileSizeText(lumeno::SavedModelSize(document->Format(), t, v, carried));
    };
    ui->actionDecimation100->setText(sizeText(triangles, vertices, attributes));
    for (const lumeno::DecimationLevel &level : lumeno::DecimationLevels) {
        const ModelDocument::Level &made = document->LevelOf(level.percent);
        const bool ready = made.model && made.model->GetNumberOfPolys() > 0;
        LevelAction(level.percent)
            ->setText(ready ? sizeText(made.model->GetNumberOfPolys(), made.model->GetNumberOfPoints(),
                                       lumeno::AttributesOf(made.model))
                            : sizeText(std::llround(triangles * level.sizeFraction),
                                       std::llround(vertices * level.sizeFraction), attributes));
        const QString deviation = ready ? DeviationNote(made.deviation) : QString();
        QString tip = deviation.isEmpty() ? QString() : QStringLiteral("%1%: %2").arg(level.percent).arg(deviation);
        if (!made.model && document->LevelsMissing())
            tip = tr("The %1% level was not made: click to make the missing levels.").arg(level.percent);
        LevelAction(level.percent)->setToolTip(tip);
    }
}
