#pragma once

#include <QDialog>

#include "TransformState.h"

class MainWindow;
class vtkBoundingBox;
class QDoubleSpinBox;

namespace Ui {
class TransformDialog;
}

// Sizes along X, Y, Z and rotation angles for the model, previewed at once in both
// views. The state it edits belongs to the main window (ModelTransformState and
// SetModelTransform), so several dialogs can be open at once and a reopened dialog
// shows the current state.
class DialogTransform : public QDialog
{
    Q_OBJECT

public:
    // The bounds are those of the shown model, without the transform.
    DialogTransform(MainWindow *mainWindow, const vtkBoundingBox &modelBounds, QWidget *parent = nullptr);
    ~DialogTransform() override;

private slots:
    void DoTransformation(double);
    void ApplyTransformationSlot();
    void CancelSlot();
    void ResetTransformation();
    void ScaleValuesChangeX(double);
    void ScaleValuesChangeY(double);
    void ScaleValuesChangeZ(double);

protected:
    void changeEvent(QEvent *event) override;

private:
    void ScaleValuesChange(int axis);
    // The scale factors the three size boxes ask for; a flat axis keeps its factor.
    void FactorsOfTheBoxes(double factor[3]) const;
    bool IsUsable(const double factor[3]) const;
    QDoubleSpinBox *ScaleBox(int axis) const;
    QDoubleSpinBox *RotationBox(int axis) const;

    Ui::TransformDialog *ui;
    MainWindow *mainWindow;
    double modelBounds[6];
    double modelSize[3];
    double shownSize[3];
    bool updating = false;
};
