#pragma once

#include <QColor>
#include <QDialog>

#include "reduce/ReductionEngine.h"

class QColorDialog;
class QPushButton;

namespace Ui {
class DialogPreferences;
}

// The settings window: interface language, model colour and the two background colours.
class DialogPreferences : public QDialog
{
    Q_OBJECT

public:
    explicit DialogPreferences(QWidget *parent = nullptr);
    ~DialogPreferences() override;

signals:
    void PreferencesColorChanged(QColor color);
    void PreferencesColorBackgroundTopChanged(QColor color);
    void PreferencesColorBackgroundBottomChanged(QColor color);
    void PreferencesEngineChanged(lumeno::ReductionEngine engine);

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void ChangeModelColor(QColor color);
    void ChangeBackgroundTopColor(QColor color);
    void ChangeBackgroundBottomColor(QColor color);
    void RestoreDefaultColors();
    void ChangeLanguage(int index);

private:
    void FillLanguages();
    void FillReductionMethods();
    void FillUpAxisChoices();
    void ShowStoredColors();
    static void ShowColor(QPushButton *button, const QColor &color);

    Ui::DialogPreferences *ui;
    QColorDialog *modelColorDialog = nullptr;
    QColorDialog *topColorDialog = nullptr;
    QColorDialog *bottomColorDialog = nullptr;
};
