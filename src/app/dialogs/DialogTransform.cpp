#include "dialogs/DialogTransform.h"
#include "ui_DialogTransform.h"

#include "ModelDocument.h"
#include "model/ModelTransform.h"

#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>

#include <algorithm>
#include <cmath>

#include <vtkBoundingBox.h>

namespace {

// Decimals that show a size with six significant digits, and never fewer than two.
int DecimalsFor(double size)
{
    if (!(size > 0.0) || !std::isfinite(size))
        return 2;
    return std::max(2, 5 - static_cast<int>(std::floor(std::log10(size))));
}

} // namespace

DialogTransform::DialogTransform(ModelDocument *editedDocument, const vtkBoundingBox &bounds, QWidget *parent)
    : QDialog(parent), ui(new Ui::TransformDialog), document(editedDocument)
{
    ui->setupUi(this);
    setWindowFlags((windowFlags() | Qt::CustomizeWindowHint) & ~Qt::WindowContextHelpButtonHint);

    bounds.GetBounds(modelBounds);
    for (int axis = 0; axis < 3; ++axis) {
        modelSize[axis] = bounds.IsValid() ? bounds.GetLength(axis) : 0.0;
        factorLabels[axis] = new QLabel(this);
        factorLabels[axis]->setObjectName(QStringLiteral("labelFactor%1").arg(QChar('X' + axis)));
        ui->gridLayoutScale->addWidget(factorLabels[axis], axis, 3);
    }
    ShowUnit();
    ShowFactors();
    FitScaleBoxes();
    openingState = document->Transform();
    ShowInBoxes(openingState);

    for (int axis = 0; axis < 3; ++axis) {
        connect(RotationBox(axis), QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
                &DialogTransform::PreviewTransform);
        connect(ScaleBox(axis), QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
                [this, axis] { PreviewSize(axis); });
    }
    connect(ui->btnLock, &QPushButton::toggled, this, &DialogTransform::ShowLockState);
    ShowLockState();
    connect(ui->btnReset, &QPushButton::clicked, this, &DialogTransform::ResetTransform);
    connect(ui->btnOK, &QPushButton::clicked, this, &DialogTransform::ApplyTransform);
    connect(ui->btnCancel, &QPushButton::clicked, this, &DialogTransform::CancelTransform);
    connect(document, &ModelDocument::TransformRestored, this, &DialogTransform::ShowRestoredTransform);
    connect(document, &ModelDocument::TransformChanged, this, &DialogTransform::ShowFactors);
    // An edit made while another model is read would be dropped with the model it was for.
    connect(document, &ModelDocument::StateChanged, this,
            [this] { setEnabled(!this->document->IsReading() && !this->document->IsSaving()); });
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

void DialogTransform::FitScaleBoxes()
{
    const double largest = std::max({modelSize[0], modelSize[1], modelSize[2]});
    for (int axis = 0; axis < 3; ++axis) {
        const double size = modelSize[axis] > 0.0 ? modelSize[axis] : largest;
        QDoubleSpinBox *box = ScaleBox(axis);
        box->setDecimals(DecimalsFor(size));
        if (size > 0.0 && std::isfinite(size)) {
            box->setSingleStep(std::min(1.0, std::pow(10.0, std::floor(std::log10(size)) - 2.0)));
            box->setMaximum(std::max(box->maximum(), size * 1000.0));
        }
    }
    // The factors, long numbers and a unit widen the sizes' group, also while it is open.
    setMaximumWidth(QWIDGETSIZE_MAX);
    layout()->setSizeConstraint(QLayout::SetMinimumSize);
    resize(sizeHint().width(), height());
}

void DialogTransform::ShowUnit()
{
    const QString unit = document->LengthUnit();
    if (unit.isEmpty())
        return;
    ui->groupBoxScale->setTitle(tr("Size (%1)").arg(unit));
    for (int axis = 0; axis < 3; ++axis)
        ScaleBox(axis)->setSuffix(QLatin1Char(' ') + unit);
}

void DialogTransform::ShowFactors()
{
    const QLocale locale;
    const char *axes[] = {"X", "Y", "Z"};
    for (int axis = 0; axis < 3; ++axis) {
        const double factor = document->Transform().scale[axis];
        factorLabels[axis]->setText(QStringLiteral("\u00d7 %1").arg(locale.toString(factor, 'g', 4)));
        factorLabels[axis]->setToolTip(tr("The scale factor along %1: the size set divided by the model's own size")
                                           .arg(QLatin1String(axes[axis])));
    }
}

void DialogTransform::ShowInBoxes(const TransformState &state)
{
    updating = true;
    for (int axis = 0; axis < 3; ++axis) {
        ScaleBox(axis)->setValue(modelSize[axis] * state.scale[axis]);
        shownSize[axis] = ScaleBox(axis)->value();
        shownFactor[axis] = state.scale[axis];
        RotationBox(axis)->setValue(state.rotation[axis]);
    }
    updating = false;
}

void DialogTransform::ShowRestoredTransform()
{
    openingState = document->Transform();
    ShowInBoxes(openingState);
}

// The preview follows the sizes while they are usable at all; the rotation is checked on OK.
bool DialogTransform::IsUsable(const double factor[3]) const
{
    const double noRotation[3] = {0.0, 0.0, 0.0};
    return lumeno::CheckModelTransform(factor, noRotation, modelBounds) == lumeno::TransformProblem::None;
}

double DialogTransform::FactorOfBox(int axis, double currentFactor) const
{
    const double size = ScaleBox(axis)->value();
    if (size == shownSize[axis])
        return shownFactor[axis];
    return lumeno::ScaleFactorForSize(size, modelSize[axis], currentFactor);
}

void DialogTransform::FactorsOfTheBoxes(double factor[3]) const
{
    const TransformState state = document->Transform();
    for (int axis = 0; axis < 3; ++axis)
        factor[axis] = FactorOfBox(axis, state.scale[axis]);
}

// Sizes that would flatten the model or take it out of range are not previewed: the
// factors stay as they were until the sizes are usable again, and OK refuses them.
void DialogTransform::PreviewTransform()
{
    if (updating)
        return;
    double factor[3];
    FactorsOfTheBoxes(factor);
    const bool usable = IsUsable(factor);
    TransformState state = document->Transform();
    for (int axis = 0; axis < 3; ++axis) {
        if (usable)
            state.scale[axis] = factor[axis];
        state.rotation[axis] = RotationBox(axis)->value();
    }
    document->SetTransform(state);
}

void DialogTransform::PreviewSize(int axis)
{
    if (updating)
        return;
    if (!ui->btnLock->isChecked()) {
        PreviewTransform();
        return;
    }
    TransformState state = document->Transform();
    const double factor = FactorOfBox(axis, state.scale[axis]);
    const double factors[3] = {factor, factor, factor};
    const bool usable = IsUsable(factors);
    updating = true;
    for (int other = 0; other < 3; ++other) {
        if (usable)
            state.scale[other] = factor;
        if (other == axis)
            continue;
        ScaleBox(other)->setValue(modelSize[other] * factor);
        shownSize[other] = ScaleBox(other)->value();
        shownFactor[other] = factor;
    }
    updating = false;
    document->SetTransform(state);
}

void DialogTransform::ShowLockState()
{
    ui->btnLock->setToolTip(
        ui->btnLock->isChecked()
            ? tr("Proportions kept: a new size along one axis scales all three alike. Click to size each axis on "
                 "its own.")
            : tr("Each axis is sized on its own. Click to keep the proportions."));
}

void DialogTransform::ResetTransform()
{
    TransformState identity;
    identity.applied = document->Transform().applied;
    ShowInBoxes(identity);
    document->SetTransform(identity);
}

void DialogTransform::ApplyTransform()
{
    double factor[3];
    FactorsOfTheBoxes(factor);
    double rotation[3];
    for (int axis = 0; axis < 3; ++axis)
        rotation[axis] = RotationBox(axis)->value();
    const lumeno::TransformProblem problem = lumeno::CheckModelTransform(factor, rotation, modelBounds);
    if (problem == lumeno::TransformProblem::RotationTooLarge) {
        QMessageBox::warning(this, windowTitle(),
                             tr("This rotation cannot be applied: the rotated model would not stay within the "
                                "coordinates a model file can hold. Choose other angles or smaller sizes."));
        return;
    }
    if (problem != lumeno::TransformProblem::None) {
        QMessageBox::warning(this, windowTitle(),
                             tr("These sizes cannot be applied: every size must be greater than 0, and the scaled "
                                "model must stay within the coordinates a model file can hold."));
        return;
    }
    TransformState state = document->Transform();
    for (int axis = 0; axis < 3; ++axis) {
        state.scale[axis] = factor[axis];
        state.rotation[axis] = rotation[axis];
    }
    state.applied = true;
    document->SetTransform(state);
    emit TransformSettled(openingState, state);
    close();
}

void DialogTransform::CancelTransform()
{
    TransformState state = document->Transform();
    state.applied = false;
    document->SetTransform(state);
    ResetTransform();
    emit TransformSettled(openingState, document->Transform());
    close();
}

void DialogTransform::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        ShowLockState();
        ShowUnit();
        ShowFactors();
    }
    QDialog::changeEvent(event);
}
