// The deviation picture of the shown model: made by the worker for every level, reduction and
// smoothing while it is on, for a model shown before on demand, dropped when it is off; the
// legend's and the tooltip's numbers in the user's locale. (Where the farthest point lies: the
// meter in test_deviation_colours, the picture drawn in test_deviation_view.)
#include "TestSupport.h"

#include "DeviationPicture.h"
#include "ModelDocument.h"

#include <QSignalSpy>

#include <vtkPointData.h>

#include <algorithm>

namespace {

bool Idle(const ModelDocument &document)
{
    return testing::WaitUntil([&] { return !document.IsReading() && document.RunningJob() == ModelDocument::Job::None; },
                              120000);
}

// The picture is of the shown model and tells its deviation.
bool PicturesTheShownModel(const ModelDocument &document)
{
    const SharedDeviationPicture picture = document.ShownPicture();
    const ModelDocument::Result &shown = document.Shown();
    if (!picture || picture->model != shown.model || !picture->drawing || !picture->cells ||
        picture->distances.size() != size_t(shown.model->GetNumberOfPoints()) ||
        !picture->drawing->GetPointData()->GetTCoords() ||
        picture->drawing->GetPointData()->GetTCoords()->GetNumberOfTuples() != shown.model->GetNumberOfPoints())
        return false;
    const double farthest = *std::max_element(picture->distances.begin(), picture->distances.end());
    return picture->largest >= farthest && (!shown.deviation.IsMeasured() || picture->largest >= shown.deviation.maximum);
}

} // namespace

class TestDeviationPicture : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { testing::IsolateEnvironment(); }

    void picturesFollowTheShownModel_data()
    {
        QTest::addColumn<bool>("onBeforeTheLoad");
        QTest::newRow("turned on before the load") << true;
        QTest::newRow("turned on for the level shown") << false;
    }

    void picturesFollowTheShownModel()
    {
        QFETCH(bool, onBeforeTheLoad);
        ModelDocument document(lumeno::ReductionEngine::Quality);
        QSignalSpy pictureChanged(&document, &ModelDocument::ShownPictureChanged);
        document.SetShowDeviation(onBeforeTheLoad);
        document.Open(testing::SphereFile(60, 40));
        QVERIFY(Idle(document));

        document.ShowLevel(50);
        if (onBeforeTheLoad) {
            // Made with the level: there as soon as it is shown.
            QVERIFY(PicturesTheShownModel(document));
        } else {
            QVERIFY(!document.ShownPicture());
            pictureChanged.clear();
            document.SetShowDeviation(true);
            QVERIFY(testing::WaitUntil([&] { return document.ShownPicture() != nullptr; }));
            QVERIFY(PicturesTheShownModel(document));
            QVERIFY(pictureChanged.count() >= 2); // turned on, then arrived
        }
        QVERIFY(document.ShownPicture()->largest > 0);

        // The loaded model lies on itself.
        document.ShowLevel(100);
        QVERIFY(testing::WaitUntil([&] { return document.ShownPicture() != nullptr; }));
        QVERIFY(PicturesTheShownModel(document));
        QVERIFY(document.ShownPicture()->largest < 1e-6);

        // A reduction and its smoothing come with theirs.
        document.ReduceToShare(30);
        QVERIFY(Idle(document));
        QVERIFY(PicturesTheShownModel(document));
        document.Smooth();
        QVERIFY(Idle(document));
        QVERIFY(PicturesTheShownModel(document));

        pictureChanged.clear();
        document.SetShowDeviation(false);
        QVERIFY(!document.ShownPicture());
        QCOMPARE(pictureChanged.count(), 1);
        document.ShowLevel(20);
        QVERIFY(!document.ShownPicture());
    }

    void numbersAreInTheUsersLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("share");
        QTest::addColumn<QString>("legend");
        QTest::addColumn<QString>("here");
        QTest::newRow("English") << "en_US" << 0.0042 << "0.42 %" << "Deviation here: 0.42 % of the diagonal";
        QTest::newRow("German") << "de_DE" << 0.0042 << "0,42 %" << "Deviation here: 0,42 % of the diagonal";
        QTest::newRow("French, small") << "fr_FR" << 0.000123 << "0,012 %" << "Deviation here: 0,012 % of the diagonal";
        QTest::newRow("none") << "de_DE" << 0.0 << "0,00 %" << "Deviation here: 0,00 % of the diagonal";
    }

    void numbersAreInTheUsersLocale()
    {
        QFETCH(QString, locale);
        QFETCH(double, share);
        QFETCH(QString, legend);
        QFETCH(QString, here);
        QCOMPARE(DeviationLegendValue(share, QLocale(locale)), legend);
        QCOMPARE(DeviationHereText(share, QLocale(locale)), here);
    }
};

LUMENO_CORE_TEST_MAIN(TestDeviationPicture)
#include "test_deviation_picture.moc"
