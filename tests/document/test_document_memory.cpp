// A mesh operation that runs short of memory (std::bad_alloc), or of threads
// (std::system_error), inside the worker: the document keeps what it had, says "not enough
// memory", and takes the next operation.
#include "TestSupport.h"

#include "ModelDocument.h"
#include "reduce/DecimationLevels.h"
#include "reduce/Reducer.h"

#include <memory>
#include <new>
#include <system_error>

Q_DECLARE_METATYPE(lumeno::ReductionEngine)

namespace {

// Where the double fails, and with what.
struct Faults
{
    int levelsBeforeFailure = -1; // -1: the levels are all made
    bool reductionsFail = false;
    bool threads = false; // std::system_error instead of std::bad_alloc
};

[[noreturn]] void Fail(const Faults &faults)
{
    if (faults.threads)
        throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
    throw std::bad_alloc();
}

// The engine's own reducer, failing where told (a level handed over counts as made).
class FailingReducer : public lumeno::Reducer
{
public:
    FailingReducer(lumeno::ReductionEngine engine, Faults failures)
        : real(lumeno::MakeReducer(engine)), faults(failures)
    {
    }

    int MakeLevels(vtkPolyData *model, const lumeno::LevelReceiver &receiver,
                   const lumeno::ReductionControl &control) override
    {
        if (faults.levelsBeforeFailure == 0)
            Fail(faults);
        lumeno::LevelReceiver failing = receiver;
        int made = 0;
        failing.ready = [&](int level, const vtkSmartPointer<vtkPolyData> &result) {
            receiver.ready(level, result);
            if (++made == faults.levelsBeforeFailure)
                Fail(faults);
        };
        return real->MakeLevels(model, failing, control);
    }

    vtkSmartPointer<vtkPolyData> KeepShare(vtkPolyData *model, double share,
                                           const lumeno::ReductionControl &control) override
    {
        if (faults.reductionsFail)
            Fail(faults);
        return real->KeepShare(model, share, control);
    }

    vtkSmartPointer<vtkPolyData> WithinError(vtkPolyData *model, double maxError,
                                             const lumeno::ReductionControl &control,
                                             const lumeno::DeviationMeter *meter) override
    {
        if (faults.reductionsFail)
            Fail(faults);
        return real->WithinError(model, maxError, control, meter);
    }

private:
    std::unique_ptr<lumeno::Reducer> real;
    Faults faults;
};

lumeno::ReducerMaker Failing(Faults faults)
{
    return [faults](lumeno::ReductionEngine engine) { return std::make_unique<FailingReducer>(engine, faults); };
}

bool Idle(const ModelDocument &document)
{
    return testing::WaitUntil([&] { return !document.IsReading() && document.RunningJob() == ModelDocument::Job::None; },
                              120000);
}

int LevelsMade(const ModelDocument &document)
{
    int made = 0;
    for (const lumeno::DecimationLevel &level : lumeno::DecimationLevels)
        made += document.LevelOf(level.percent).model ? 1 : 0;
    return made;
}

} // namespace

class TestDocumentMemory : public QObject
{
    Q_OBJECT

private slots:
    void levelsShortOfMemory_data()
    {
        QTest::addColumn<lumeno::ReductionEngine>("engine");
        QTest::addColumn<int>("levelsBeforeFailure");
        QTest::addColumn<bool>("threads");
        QTest::addColumn<QString>("status");
        const QString status = QStringLiteral("Not enough memory for the %1% level: the levels above it are kept.");
        QTest::newRow("quality, at once") << lumeno::ReductionEngine::Quality << 0 << false << status.arg(90);
        QTest::newRow("classic, after three levels") << lumeno::ReductionEngine::Classic << 3 << false << status.arg(60);
        QTest::newRow("quality, no thread after one") << lumeno::ReductionEngine::Quality << 1 << true << status.arg(80);
    }

    // The levels made stay, the model stays shown, and the next operation runs.
    void levelsShortOfMemory()
    {
        QFETCH(lumeno::ReductionEngine, engine);
        QFETCH(int, levelsBeforeFailure);
        QFETCH(bool, threads);
        QFETCH(QString, status);
        Faults faults;
        faults.levelsBeforeFailure = levelsBeforeFailure;
        faults.threads = threads;
        ModelDocument document(engine, Failing(faults));
        document.Open(testing::SphereFile(60, 32));
        QVERIFY(Idle(document));
        QVERIFY(document.LoadedModel());
        QCOMPARE(document.Status(), status);
        QCOMPARE(LevelsMade(document), levelsBeforeFailure);
        QCOMPARE(document.Shown().model.Get(), document.LoadedModel());

        document.Smooth();
        QVERIFY(Idle(document));
        QCOMPARE(document.Status(), document.tr("Done"));
        QCOMPARE(document.Shown().label, QStringLiteral("100%"));
    }

    void reductionShortOfMemory_data()
    {
        QTest::addColumn<bool>("byError");
        QTest::newRow("share") << false;
        QTest::newRow("error bound") << true;
    }

    // The result shown before stays shown, with its label.
    void reductionShortOfMemory()
    {
        QFETCH(bool, byError);
        Faults faults;
        faults.reductionsFail = true;
        ModelDocument document(lumeno::ReductionEngine::Quality, Failing(faults));
        document.Open(testing::SphereFile(60, 32));
        QVERIFY(Idle(document));
        QCOMPARE(LevelsMade(document), lumeno::LevelCount);
        document.ShowLevel(50);
        const ModelDocument::Result before = document.Shown();

        byError ? document.ReduceWithinError(0.01) : document.ReduceToShare(25);
        QVERIFY(Idle(document));
        QCOMPARE(document.Status(),
                 QStringLiteral("Not enough memory for this operation: the right view still shows 50%."));
        QCOMPARE(document.Shown().model.Get(), before.model.Get());
        QCOMPARE(document.Shown().label, before.label);
        QCOMPARE(LevelsMade(document), lumeno::LevelCount);
    }
};

LUMENO_CORE_TEST_MAIN(TestDocumentMemory)
#include "test_document_memory.moc"
