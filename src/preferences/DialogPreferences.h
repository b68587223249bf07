#pragma once

#include <QColor>
#include <QDialog>

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
    void TranslateLumeno(QString prefix);
};
