// The two views: gradient backgrounds, the axes marker, the size labels of the level buttons.
#include "TestSupport.h"

#include "MainWindow.h"

#include <QAction>
#include <QSettings>
#include <QVTKOpenGLNativeWidget.h>

class TestScene : public QObject
{
    Q_OBJECT

private slots:
    void placeholder() { QVERIFY(true); }
};

LUMENO_TEST_MAIN(TestScene)
#include "test_scene.moc"
