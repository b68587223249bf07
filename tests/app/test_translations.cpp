// No text is forgotten: lupdate brings a copy of every offered catalog up to date with the texts
// of src/, after which each text must have a finished translation with the same "%1" markers
// (English maps each onto itself).
#include "ProgramRun.h"

#include "settings/LanguageNames.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

QString CatalogFile(const QString &code)
{
    return QStringLiteral(LUMENO_SOURCE_DIR "/resources/translations/Lumeno3D_%1.ts").arg(code);
}

QStringList Markers(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%L?\\d+"));
    QStringList found;
    for (auto match = marker.globalMatch(text); match.hasNext();)
        found << match.next().captured().remove(QLatin1Char('L'));
    found.sort();
    found.removeDuplicates();
    return found;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

    QTemporaryDir scratch;

private slots:
    // One lupdate run updates every copy: new texts arrive unfinished, gone ones are dropped.
    void initTestCase()
    {
        InitLanguageNames();
        // Every catalog shipped is offered in Preferences, and every language offered has one.
        QStringList shipped = QDir(QStringLiteral(LUMENO_SOURCE_DIR "/resources/translations"))
                                  .entryList({QStringLiteral("Lumeno3D_*.ts")}, QDir::Files, QDir::Name)
                                  .replaceInStrings(QRegularExpression(QStringLiteral("^Lumeno3D_|\\.ts$")), QString());
        QCOMPARE(shipped, LanguageNames.keys());
        QCOMPARE(LanguageNames.size(), 13); // English and twelve translations
        QStringList arguments{QStringLiteral("-silent"), QStringLiteral("-no-obsolete"), QStringLiteral("-locations"),
                              QStringLiteral("none"), QStringLiteral(LUMENO_SOURCE_DIR "/src"), QStringLiteral("-ts")};
        for (const QString &code : LanguageNames.keys()) {
            arguments << scratch.filePath(code + QStringLiteral(".ts"));
            QVERIFY(QFile::copy(CatalogFile(code), arguments.last()));
        }
        // lupdate is a system tool: it runs without the sanitizers a sanitized test run preloads.
        const testing::CliRun lupdate =
            testing::RunProgram(QStringLiteral(LUMENO_LUPDATE), arguments, {}, testing::ToolEnvironment());
        QVERIFY2(lupdate.status == 0, (lupdate.out + lupdate.err).constData());
    }

    void everyTextIsTranslated_data()
    {
        QTest::addColumn<QString>("code");
        for (const QString &code : LanguageNames.keys())
            QTest::newRow(qPrintable(code)) << code;
    }

    void everyTextIsTranslated()
    {
        QFETCH(QString, code);
        QFile file(scratch.filePath(code + QStringLiteral(".ts")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString context, source;
        bool plural = false;
        QStringList faults;
        int texts = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("message"))
                plural = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            if (xml.name() == QLatin1String("name"))
                context = xml.readElementText();
            else if (xml.name() == QLatin1String("source"))
                source = xml.readElementText();
            if (xml.name() != QLatin1String("translation"))
                continue;
            ++texts;
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            QString fault;
            if (!type.isEmpty() || text.trimmed().isEmpty())
                fault = QStringLiteral("not finished");
            else if (Markers(text) != Markers(source))
                fault = QStringLiteral("markers %1").arg(Markers(text).join(QLatin1Char(' ')));
            // English plural texts: a singular form of their own, then the source.
            else if (code == QLatin1String("en") && (plural ? !text.trimmed().endsWith(source) : text != source))
                fault = QStringLiteral("\"%1\"").arg(text);
            if (!fault.isEmpty())
                faults << QStringLiteral("[%1] \"%2\": %3").arg(context, source, fault);
        }
        QVERIFY(!xml.hasError());
        // Or lupdate saw none of the program's texts, and there is nothing to compare.
        QVERIFY2(texts > 20, qPrintable(QString::number(texts)));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "test_translations.moc"
