// No text is forgotten: every translatable text of the sources and forms (as lupdate finds it in
// src/) has a finished translation in every offered catalog, keeping its "%1" markers, its "&"
// mnemonic and its line breaks (English maps each onto itself); the "ar" and "ru" catalogs stay
// empty; and the compiled catalogs embedded in the program translate them all.
#include "settings/LanguageNames.h"
#include "Resources.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

struct Message {
    QString context;
    QString source;
    QString comment;
    bool numerus = false;
    QString type; // "unfinished", "vanished", "obsolete" or empty when finished
    QStringList translations;
};

QString Key(const Message &message)
{
    return message.context + QChar(0) + message.source + QChar(0) + message.comment;
}

QString Describe(const Message &message)
{
    return QStringLiteral("[%1] \"%2\"").arg(message.context, message.source);
}

QString CatalogFile(const QString &code)
{
    return QStringLiteral(LUMENO_SOURCE_DIR "/resources/translations/Lumeno3D_%1.ts").arg(code);
}

// The messages of a .ts file; `ok` is false when it cannot be read or parsed.
QList<Message> ReadCatalog(const QString &path, bool *ok)
{
    QList<Message> messages;
    QFile file(path);
    *ok = file.open(QIODevice::ReadOnly);
    if (!*ok)
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    bool inMessage = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const QStringRef name = xml.name();
            if (name == QLatin1String("context")) {
                context.clear();
            } else if (name == QLatin1String("name") && !inMessage) {
                context = xml.readElementText();
            } else if (name == QLatin1String("message")) {
                message = Message();
                message.context = context;
                message.numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
                inMessage = true;
            } else if (inMessage && name == QLatin1String("source")) {
                message.source = xml.readElementText();
            } else if (inMessage && name == QLatin1String("comment")) {
                message.comment = xml.readElementText();
            } else if (inMessage && name == QLatin1String("translation")) {
                message.type = xml.attributes().value(QLatin1String("type")).toString();
                if (!message.numerus)
                    message.translations << xml.readElementText();
            } else if (inMessage && name == QLatin1String("numerusform")) {
                message.translations << xml.readElementText();
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            messages << message;
            inMessage = false;
        }
    }
    *ok = !xml.hasError();
    return messages;
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

bool HasMnemonic(QString text)
{
    static const QRegularExpression mnemonic(QStringLiteral("&[^&\\s]"));
    return text.remove(QStringLiteral("&&")).contains(mnemonic);
}

// What is wrong with the translation of one text, or an empty string.
QString Fault(const Message &source, const Message &translated)
{
    if (!translated.type.isEmpty())
        return QStringLiteral("marked %1").arg(translated.type);
    if (translated.translations.isEmpty())
        return QStringLiteral("no translation");
    for (const QString &text : translated.translations) {
        if (text.trimmed().isEmpty())
            return QStringLiteral("empty translation");
        if (Markers(text) != Markers(source.source))
            return QStringLiteral("markers %1 instead of %2")
                .arg(Markers(text).join(QLatin1Char(' ')), Markers(source.source).join(QLatin1Char(' ')));
        if (HasMnemonic(source.source) && !HasMnemonic(text))
            return QStringLiteral("lost its & mnemonic");
        if (text.count(QLatin1Char('\n')) != source.source.count(QLatin1Char('\n')))
            return QStringLiteral("line breaks changed");
    }
    return QString();
}

// Reports at most a screenful of problems, and how many there are.
void VerifyNoFaults(const QStringList &faults, const QString &what)
{
    QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1: %2 problem(s)\n  %3")
                                              .arg(what)
                                              .arg(faults.size())
                                              .arg(faults.mid(0, 40).join(QStringLiteral("\n  ")))));
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

    QTemporaryDir scratch;
    QList<Message> sourceTexts;

private slots:
    void initTestCase()
    {
        InitLanguageNames();
        InitLumenoResources();
        QVERIFY(scratch.isValid());
        const QString scan = scratch.filePath(QStringLiteral("sources.ts"));
        QProcess lupdate;
        lupdate.setProcessChannelMode(QProcess::MergedChannels);
        // lupdate is a system tool: it runs without the sanitizers a sanitized test run preloads.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("LD_PRELOAD"));
        lupdate.setProcessEnvironment(environment);
        lupdate.start(QStringLiteral(LUMENO_LUPDATE),
                      {QStringLiteral("-silent"), QStringLiteral("-no-obsolete"), QStringLiteral("-locations"),
                       QStringLiteral("none"), QStringLiteral("-extensions"), QStringLiteral("cpp,h,ui"),
                       QStringLiteral(LUMENO_SOURCE_DIR "/src"),
                       QStringLiteral("-ts"), scan});
        QVERIFY2(lupdate.waitForFinished(120000), "lupdate did not finish");
        QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0,
                 lupdate.readAll().constData());
        bool ok = false;
        sourceTexts = ReadCatalog(scan, &ok);
        QVERIFY(ok);

        // The scan itself must see the program's texts, or every comparison below is empty.
        QSet<QString> contexts;
        for (const Message &message : sourceTexts)
            contexts << message.context;
        for (const char *context : {"MainWindow", "DialogPreferences"})
            QVERIFY2(contexts.contains(QString::fromLatin1(context)), context);
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
        bool ok = false;
        const QList<Message> catalog = ReadCatalog(CatalogFile(code), &ok);
        QVERIFY2(ok, qPrintable(CatalogFile(code)));
        QHash<QString, Message> byKey;
        for (const Message &message : catalog)
            byKey.insert(Key(message), message);

        QStringList faults;
        for (const Message &text : sourceTexts) {
            const auto found = byKey.constFind(Key(text));
            QString fault = found == byKey.constEnd() ? QStringLiteral("missing") : Fault(text, *found);
            // English maps every text onto itself.
            if (fault.isEmpty() && code == QLatin1String("en") && found->translations.count(text.source) != found->translations.size())
                fault = QStringLiteral("\"%1\"").arg(found->translations.join(QLatin1Char('|')));
            if (!fault.isEmpty())
                faults << Describe(text) + QStringLiteral(": ") + fault;
        }
        VerifyNoFaults(faults, QStringLiteral("Lumeno3D_%1.ts").arg(code));
    }

    void catalogsOutsideTheTableStayEmpty()
    {
        for (const char *code : {"ar", "ru"}) {
            bool ok = false;
            QVERIFY2(ReadCatalog(CatalogFile(QString::fromLatin1(code)), &ok).isEmpty(), code);
            QVERIFY2(ok, code);
        }
    }

    void embeddedCatalogsTranslateEveryContext_data() { everyTextIsTranslated_data(); }


    void embeddedCatalogsTranslateEveryContext()
    {
        QFETCH(QString, code);
        QTranslator catalog;
        QVERIFY(catalog.load(QStringLiteral(":/Lang/Lumeno3D_%1.qm").arg(code)));
        QStringList faults;
        for (const Message &text : sourceTexts) {
            const QByteArray context = text.context.toUtf8();
            const QByteArray source = text.source.toUtf8();
            const QByteArray comment = text.comment.toUtf8();
            if (catalog.translate(context.constData(), source.constData(),
                                  comment.isEmpty() ? nullptr : comment.constData(), text.numerus ? 1 : -1)
                    .isEmpty())
                faults << Describe(text);
        }
        VerifyNoFaults(faults, QStringLiteral(":/Lang/Lumeno3D_%1.qm").arg(code));
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "test_translations.moc"
