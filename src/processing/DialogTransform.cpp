#include "processing/DialogTransform.h"
#include "ui_DialogTransform.h"

#include "MainWindow.h"
#include "processing/ModelTransform.h"

DialogTransform::DialogTransform(MainWindow *mainWindow, QWidget *parent)
    : QDialog(parent), ui(new Ui::TransformDialog), mainWindow(mainWindow)
{
    ui->setupUi(this);
    setWindowFlags((windowFlags() | Qt::CustomizeWindowHint) & ~Qt::WindowContextHelpButtonHint);

    const vtkBoundingBox &bounds = mainWindow->modelBounds;
    for (int axis = 0; axis < 3; ++axis) {
        modelSize[axis] = bounds.IsValid() ? bounds.GetLength(axis) : 0.0;
        shownSize[axis] = modelSize[axis] * mainWindow->scaleFactor[axis];
        ScaleBox(axis)->setValue(shownSize[axis]);
        RotationBox(axis)->setValue(mainWindow->rotationAngle[axis]);
    }

    connect(ui->spinBoxRotateX, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
            &DialogTransform::DoTransformation);
    connect(ui->spinBoxRotateZ, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
            &DialogTransform::DoTransformation);
    connect(ui->spinBoxRotateY, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
            &DialogTransform::DoTransformation);
    connect(ui->spinBoxScaleX, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
            &DialogTransform::ScaleValuesChangeX);
    connect(ui->spinBoxScaleY, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
            &DialogTransform::ScaleValuesChangeY);
    connect(ui->spinBoxScaleZ, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
            &DialogTransform::ScaleValuesChangeZ);
    connect(ui->btnReset, &QPushButton::clicked, this, &DialogTransform::ResetTransformation);
    connect(ui->btnOK, &QPushButton::clicked, this, &DialogTransform::ApplyTransformationSlot);
    connect(ui->btnCancel, &QPushButton::clicked, this, &DialogTransform::CancelSlot);
    updating = false;
}

DialogTransform::~DialogTransform()
{
    delete ui;
}

QDoubleSpinBox *DialogTransform::ScaleBox(int axis) const
{
    QDoubleSpinBox *boxes[] = {ui->spinBoxScaleX, ui->spinBoxScaleY, ui->spinBoxScaleZ};
    return boxes[axis];
}

QDoubleSpinBox *DialogTransform::RotationBox(int axis) const
{
    QDoubleSpinBox *boxes[] = {ui->spinBoxRotateX, ui->spinBoxRotateY, ui->spinBoxRotateZ};
    return boxes[axis];
}

void DialogTransform::DoTransformation(double)
{
    for (int axis = 0; axis < 3; ++axis) {
        mainWindow->scaleFactor[axis] =
            lumeno::ScaleFactorForSize(ScaleBox(axis)->value(), modelSize[axis], mainWindow->scaleFactor[axis]);
        mainWindow->rotationAngle[axis] = RotationBox(axis)->value();
    }
    mainWindow->ApplyModelTransform();
}

void DialogTransform::ScaleValuesChangeX(double)
{
    ScaleValuesChange(0);
}

void DialogTransform::ScaleValuesChangeY(double)
{
    ScaleValuesChange(1);
}

void DialogTransform::ScaleValuesChangeZ(double)
{
    ScaleValuesChange(2);
}

void DialogTransform::ScaleValuesChange(int axis)
{
    if (updating)
        return;
    if (!ui->btnLock->isChecked()) {
        DoTransformation(0.0);
        return;
    }
    updating = true;
    const double factor =
        lumeno::ScaleFactorForSize(ScaleBox(axis)->value(), modelSize[axis], mainWindow->scaleFactor[axis]);
    for (int other = 0; other < 3; ++other) {
        mainWindow->scaleFactor[other] = factor;
        shownSize[other] = modelSize[other] * factor;
        if (other != axis)
            ScaleBox(other)->setValue(shownSize[other]);
    }
    updating = false;
    mainWindow->ApplyModelTransform();
}

void DialogTransform::ResetTransformation()
{
    for (int axis = 0; axis < 3; ++axis) {
        mainWindow->scaleFactor[axis] = 1.0;
        mainWindow->rotationAngle[axis] = 0.0;
        shownSize[axis] = modelSize[axis];
    }
    for (int axis = 0; axis < 3; ++axis)
        ScaleBox(axis)->setValue(shownSize[axis]);
    for (int axis = 0; axis < 3; ++axis)
        RotationBox(axis)->setValue(0.0);
    mainWindow->ApplyModelTransform();
}

void DialogTransform::ApplyTransformationSlot()
{
    mainWindow->transformApplied = true;
    close();
}

void DialogTransform::CancelSlot()
{
    mainWindow->transformApplied = false;
    ResetTransformation();
    close();
}

void DialogTransform::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QDialog::changeEvent(event);
}
