// The view commands of the bottom toolbar and the colours, handed to the two views.
#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "DualView.h"

#include <QColor>
#include <QColorDialog>
#include <QSettings>

namespace {

void WriteColor(QSettings *settings, const QString &prefix, const DualView::Rgb &color)
{
    settings->setValue(prefix + QStringLiteral("Red"), color[0]);
    settings->setValue(prefix + QStringLiteral("Green"), color[1]);
    settings->setValue(prefix + QStringLiteral("Blue"), color[2]);
    settings->sync();
}

DualView::Rgb RgbOf(const QColor &color)
{
    return {color.redF(), color.greenF(), color.blueF()};
}

// The toolbar icon of the way the models are drawn.
QIcon RepresentationIcon(DualView::Representation representation)
{
    switch (representation) {
    case DualView::Representation::Points: return QIcon(QStringLiteral(":/ToolbarIcons/display_points"));
    case DualView::Representation::Wireframe: return QIcon(QStringLiteral(":/ToolbarIcons/display_wireframe"));
    case DualView::Representation::Surface: break;
    }
    return QIcon(QStringLiteral(":/ToolbarIcons/display_shaded"));
}

} // namespace

void MainWindow::CycleDisplayMode()
{
    if (view->CycleRepresentation())
        ui->actionDisplayMode->setIcon(RepresentationIcon(view->CurrentRepresentation()));
}

void MainWindow::PickModelColour()
{
    if (!view->OriginalActor() && !view->DecimatedActor())
        return;
    // Each press opens a further dialog. It has no parent, so it must not keep the
    // program running once the main window is closed; it goes when it is answered.
    auto *dialog = new QColorDialog;
    dialog->setAttribute(Qt::WA_QuitOnClose, false);
    connect(dialog, &QColorDialog::colorSelected, this, &MainWindow::SetModelColour);
    connect(dialog, &QDialog::finished, dialog, &QObject::deleteLater);
    dialog->show();
}

void MainWindow::SetModelColour(QColor color)
{
    view->SetModelColour(RgbOf(color));
    WriteColor(settings, QStringLiteral("model"), view->CurrentColours().model);
}

void MainWindow::SetBackgroundTop(QColor color)
{
    view->SetBackgroundTop(RgbOf(color));
    WriteColor(settings, QStringLiteral("backgroundTop"), view->CurrentColours().backgroundTop);
}

void MainWindow::SetBackgroundBottom(QColor color)
{
    view->SetBackgroundBottom(RgbOf(color));
    WriteColor(settings, QStringLiteral("backgroundBottom"), view->CurrentColours().backgroundBottom);
}
