#pragma once

#include <QDialog>

#include "TransformState.h"

class ModelDocument;
class vtkBoundingBox;
class QDoubleSpinBox;
class QLabel;

namespace Ui {
class TransformDialog;
}

// Sizes along X, Y, Z (in the model's unit where the file gives it), with the scale factor
// each stands for, and rotation angles for the model, previewed at once in both views. The
// state it edits belongs to the document, so several dialogs can be open at once and a
// reopened dialog shows the current state.
class DialogTransform : public QDialog
{
    Q_OBJECT

public:
    // The bounds are those of the shown model, without the transform.
    DialogTransform(ModelDocument *editedDocument, const vtkBoundingBox &modelBounds, QWidget *parent = nullptr);
    ~DialogTransform() override;

signals:
    // OK or Cancel ended an edit: what the edit history records.
    void TransformSettled(const TransformState &before, const TransformState &after);

private slots:
    void PreviewTransform();
    void ApplyTransform();
    void CancelTransform();
    void ResetTransform();
    void ShowRestoredTransform();

protected:
    void changeEvent(QEvent *event) override;

private:
    // A size box changed: with the proportions kept, the other two follow.
    void PreviewSize(int axis);
    // The lock's tooltip tells what it does now and what a click does.
    void ShowLockState();
    // The group's title and the boxes' suffix name the unit, where it is known.
    void ShowUnit();
    // The factor each size stands for, as the views preview it.
    void ShowFactors();
    // Decimals, step and range of the size boxes that show this model's sizes in full.
    void FitScaleBoxes();
    // Puts the state into the boxes without running any slot.
    void ShowInBoxes(const TransformState &state);
    // The factor the size box asks for: the one it was filled with while it still shows
    // that value, so that a rounded size never changes a factor the user did not touch.
    double FactorOfBox(int axis, double currentFactor) const;
    // The scale factors the three size boxes ask for; a flat axis keeps its factor.
    void FactorsOfTheBoxes(double factor[3]) const;
    bool IsUsable(const double factor[3]) const;
    QDoubleSpinBox *ScaleBox(int axis) const;
    QDoubleSpinBox *RotationBox(int axis) const;
    QLabel *factorLabels[3] = {};

    Ui::TransformDialog *ui;
    ModelDocument *document;
    double modelBounds[6];
    double modelSize[3];
    // What the size boxes were last filled with (as they hold it), and the factors it stands for.
    double shownSize[3];
    double shownFactor[3];
    // The state when the dialog opened, or when Undo or Redo last replaced it.
    TransformState openingState;
    bool updating = false;
};
