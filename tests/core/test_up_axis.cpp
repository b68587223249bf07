// Which way up the first view shows a model: by the choice in the preferences, else by the
// file's format and, for STL, by where its bounds lie; and the first view's direction.
#include "TestSupport.h"

#include "model/UpAxis.h"

#include <array>
#include <cmath>

Q_DECLARE_METATYPE(lumeno::UpAxisChoice)
Q_DECLARE_METATYPE(lumeno::UpAxis)

using Bounds = std::array<double, 6>;
Q_DECLARE_METATYPE(Bounds)

class UpAxisTest : public QObject
{
    Q_OBJECT

private slots:
    void upAxisFollowsTheChoiceTheFormatAndTheBounds_data()
    {
        using lumeno::UpAxis;
        using lumeno::UpAxisChoice;
        QTest::addColumn<UpAxisChoice>("choice");
        QTest::addColumn<QString>("format");
        QTest::addColumn<Bounds>("bounds");
        QTest::addColumn<UpAxis>("up");
        const Bounds onPlate{-20, 20, -10, 10, 0, 15};      // a bracket as a slicer writes it
        const Bounds standing{-0.3, 0.3, 0, 1.8, -0.2, 0.2}; // a figure on y = 0
        const Bounds centred{-1, 1, -1, 1, -1, 1};          // a scan around the origin
        const Bounds flatCentred{-50, 50, -40, 40, -2, 2};  // a plate around the origin
        const Bounds octant{0, 40, 0, 30, 0, 5};            // a CAD export: both planes, flat in z
        const Bounds octantTall{0, 4, 0, 30, 0, 5};         // both planes, flattest in x
        QTest::newRow("3MF is always Z up") << UpAxisChoice::Automatic << "3mf" << standing << UpAxis::Z;
        QTest::newRow("STL on the plate") << UpAxisChoice::Automatic << "stl" << onPlate << UpAxis::Z;
        QTest::newRow("STL just above the plate (1 %)") << UpAxisChoice::Automatic << "stl"
                                                        << Bounds{-20, 20, -10, 10, 0.4, 15.4} << UpAxis::Z;
        QTest::newRow("STL standing on y = 0") << UpAxisChoice::Automatic << "stl" << standing << UpAxis::Y;
        QTest::newRow("STL off both planes, flat in z") << UpAxisChoice::Automatic << "stl"
                                                        << Bounds{-20, 20, -10, 10, 5, 20} << UpAxis::Z;
        QTest::newRow("STL off both planes, tall in z") << UpAxisChoice::Automatic << "stl"
                                                        << Bounds{-20, 20, -10, 10, 5, 40} << UpAxis::Y;
        QTest::newRow("STL centred, as tall as wide") << UpAxisChoice::Automatic << "stl" << centred << UpAxis::Y;
        QTest::newRow("STL centred, flat in z") << UpAxisChoice::Automatic << "stl" << flatCentred << UpAxis::Z;
        QTest::newRow("STL on both planes, flat in z") << UpAxisChoice::Automatic << "stl" << octant << UpAxis::Z;
        QTest::newRow("STL on both planes, thin in x") << UpAxisChoice::Automatic << "stl" << octantTall
                                                       << UpAxis::Y;
        QTest::newRow("STL without points") << UpAxisChoice::Automatic << "stl" << Bounds{1, -1, 1, -1, 1, -1}
                                            << UpAxis::Y;
        QTest::newRow("OBJ on the plate stays Y up") << UpAxisChoice::Automatic << "obj" << onPlate << UpAxis::Y;
        QTest::newRow("glTF is Y up") << UpAxisChoice::Automatic << "glb" << flatCentred << UpAxis::Y;
        QTest::newRow("Y chosen, STL on the plate") << UpAxisChoice::Y << "stl" << onPlate << UpAxis::Y;
        QTest::newRow("Z chosen, OBJ standing") << UpAxisChoice::Z << "obj" << standing << UpAxis::Z;
    }

    void upAxisFollowsTheChoiceTheFormatAndTheBounds()
    {
        QFETCH(lumeno::UpAxisChoice, choice);
        QFETCH(QString, format);
        QFETCH(Bounds, bounds);
        QFETCH(lumeno::UpAxis, up);
        QCOMPARE(lumeno::ModelUpAxis(choice, format, bounds.data()), up);
    }

    // Seen from above the floor, and no two of a box's faces at one angle to the line of sight
    // (the headlight would light them alike), none of them face-on.
    void firstViewIsObliqueAndAbove_data()
    {
        QTest::addColumn<lumeno::UpAxis>("up");
        QTest::newRow("Y up") << lumeno::UpAxis::Y;
        QTest::newRow("Z up") << lumeno::UpAxis::Z;
    }

    void firstViewIsObliqueAndAbove()
    {
        QFETCH(lumeno::UpAxis, up);
        const lumeno::ViewDirection view = lumeno::FirstViewDirection(up);
        const int upAxis = up == lumeno::UpAxis::Z ? 2 : 1;
        QCOMPARE(view.viewUp[upAxis], 1.0);
        QVERIFY(view.towardsCamera[upAxis] > 0);
        const double length = std::sqrt(view.towardsCamera[0] * view.towardsCamera[0] +
                                        view.towardsCamera[1] * view.towardsCamera[1] +
                                        view.towardsCamera[2] * view.towardsCamera[2]);
        std::array<double, 3> lit{};
        for (int axis = 0; axis < 3; ++axis) {
            lit[axis] = std::abs(view.towardsCamera[axis]) / length;
            QVERIFY2(lit[axis] > 0.3 && lit[axis] < 0.9, qPrintable(QString::number(lit[axis])));
        }
        for (int a = 0; a < 3; ++a)
            for (int b = a + 1; b < 3; ++b)
                QVERIFY(std::abs(lit[a] - lit[b]) > 0.1);
    }
};

LUMENO_CORE_TEST_MAIN(UpAxisTest)
#include "test_up_axis.moc"
