#include "dialogs/DialogTransform.h"
#include "ui_DialogTransform.h"

#include "MainWindow.h"
#include "mesh/ModelTransform.h"

#include <QMessageBox>

#include <vtkBoundingBox.h>

DialogTransform::DialogTransform(MainWindow *mainWindow, const vtkBoundingBox &bounds, QWidget *parent)
    : QDialog(parent), ui(new Ui::TransformDialog), mainWindow(mainWindow)
{
    ui->setupUi(this);
    setWindowFlags((windowFlags() | Qt::CustomizeWindowHint) & ~Qt::WindowContextHelpButtonHint);

    bounds.GetBounds(modelBounds);
    const TransformState state = mainWindow->ModelTransformState();
    for (int axis = 0; axis < 3; ++axis) {
        modelSize[axis] = bounds.IsValid() ? bounds.GetLength(axis) : 0.0;
        shownSize[axis] = modelSize[axis] * state.scale[axis];
        ScaleBox(axis)->setValue(shownSize[axis]);
        RotationBox(axis)->setValue(state.rotation[axis]);
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

bool DialogTransform::IsUsable(const double factor[3]) const
{
    return lumeno::IsUsableScale(factor, modelBounds);
}

void DialogTransform::FactorsOfTheBoxes(double factor[3]) const
{
    const TransformState state = mainWindow->ModelTransformState();
    for (int axis = 0; axis < 3; ++axis)
        factor[axis] = lumeno::ScaleFactorForSize(ScaleBox(axis)->value(), modelSize[axis], state.scale[axis]);
}

// Sizes that would flatten the model or take it out of range are not previewed: the
// factors stay as they were until the sizes are usable again, and OK refuses them.
void DialogTransform::DoTransformation(double)
{
    double factor[3];
    FactorsOfTheBoxes(factor);
    const bool usable = IsUsable(factor);
    TransformState state = mainWindow->ModelTransformState();
    for (int axis = 0; axis < 3; ++axis) {
        if (usable)
            state.scale[axis] = factor[axis];
        state.rotation[axis] = RotationBox(axis)->value();
    }
    mainWindow->SetModelTransform(state);
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
    TransformState state = mainWindow->ModelTransformState();
    const double factor = lumeno::ScaleFactorForSize(ScaleBox(axis)->value(), modelSize[axis], state.scale[axis]);
    const double factors[3] = {factor, factor, factor};
    const bool usable = IsUsable(factors);
    for (int other = 0; other < 3; ++other) {
        if (usable)
            state.scale[other] = factor;
        shownSize[other] = modelSize[other] * factor;
        if (other != axis)
            ScaleBox(other)->setValue(shownSize[other]);
    }
    updating = false;
    mainWindow->SetModelTransform(state);
}

void DialogTransform::ResetTransformation()
{
    // The identity is set first: the boxes below report their new values at once, and
    // a flat axis keeps the factor it has then.
    TransformState identity;
    identity.applied = mainWindow->ModelTransformState().applied;
    mainWindow->SetModelTransform(identity);
    for (int axis = 0; axis < 3; ++axis)
        shownSize[axis] = modelSize[axis];
    for (int axis = 0; axis < 3; ++axis)
        ScaleBox(axis)->setValue(shownSize[axis]);
    for (int axis = 0; axis < 3; ++axis)
        RotationBox(axis)->setValue(0.0);
}

void DialogTransform::ApplyTransformationSlot()
{
    double factor[3];
    FactorsOfTheBoxes(factor);
    if (!IsUsable(factor)) {
        QMessageBox::warning(this, windowTitle(),
                             tr("These sizes cannot be applied: every size must be greater than 0, and the scaled "
                                "model must stay within the coordinates a model file can hold."));
        return;
    }
    TransformState state = mainWindow->ModelTransformState();
    state.applied = true;
    mainWindow->SetModelTransform(state);
    close();
}

void DialogTransform::CancelSlot()
{
    TransformState state = mainWindow->ModelTransformState();
    state.applied = false;
    mainWindow->SetModelTransform(state);
    ResetTransformation();
    close();
}

void DialogTransform::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QDialog::changeEvent(event);
}
