// What the update service may say, and what the program accepts of it.
#include "TestSupport.h"
#include "UpdateSigning.h"
#include "update/UpdateAnswer.h"

class TestUpdateAnswer : public QObject
{
    Q_OBJECT

    const QString running = QStringLiteral("0.9.1.20140802");
    const QByteArray installer = "the installer";
    const testing::UpdateSigner signer;

    QByteArray Offer(const QByteArray &address, const QByteArray &version = "0.9.2") const
    {
        return signer.Offer(QString::fromUtf8(address), installer, version);
    }

    // Line 1 with the hash, size and signature fields as given.
    QByteArray Fields(const QByteArray &version, const QByteArray &hash, const QByteArray &size,
                      const QByteArray &signature) const
    {
        return testing::UpdateAnswerBody({"OK", version, "https://h.org/setup.exe", hash, size, signature});
    }

private slots:
    void offerNamesTheInstallerOrNothing_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QByteArray>("address"); // its last part names the installer
        const QByteArray site = "https://h.org/setup.exe";
        for (const char *address : {"https://lumeno3d.org/files/setup_0.9.2.exe",
                                    "http://127.0.0.1:8080/files/Lumeno3D-0.9.2.AppImage", "http://[::1]:81/setup"})
            QTest::newRow(address) << Offer(address) << QByteArray(address);
        QTest::newRow("CR LF line ends") << Offer(site).replace("\n", "\r\n") << site;
        QTest::newRow("more fields and lines") << Offer(site).replace("\n", "<br>more\n") + "line 2\n" << site;
        QTest::newRow("newer by number, not by text") << Offer(site, "0.10") << site;
        QTest::newRow("newer build") << Offer(site, "0.9.1.20140803") << site;
        const QByteArray hash = testing::Sha256Hex(installer);
        QTest::newRow("hash in upper case")
            << Fields("1.0", hash.toUpper(), "13", signer.Signature("1.0", "setup.exe", 13, hash)) << site;
        // No update is offered for these.
        const auto refused = [](const char *name, const QByteArray &body) {
            QTest::newRow(name) << body << QByteArray();
        };
        const QByteArray offer = Offer(site);
        refused("empty", QByteArray());
        refused("lower-case status", QByteArray(offer).replace("OK", "ok"));
        refused("status on the first line", offer.mid(offer.indexOf('\n') + 1));
        refused("service error", QByteArray("x\nNO<br>ERRORX<br>database\n"));
        refused("zero byte before the answer", QByteArray(offer).replace("\n", QByteArray("\0\n", 2)));
        refused("two fields", QByteArray("x\nOK<br>0.9.2\n"));
        refused("name ..", Offer("https://h.org/files/.."));
        refused("name with a query", Offer("https://h.org/files/a?b"));
        refused("name with an escape", Offer("https://h.org/files/..%2Fsetup.exe"));
        refused("http to a look-alike host", Offer("http://127.0.0.1.example.org/setup.exe"));
        refused("ftp", Offer("ftp://h.org/files/setup.exe"));

        // Signed, but not newer than the running version.
        refused("same version", Offer(site, "0.9.1.20140802"));
        refused("same version, fewer fields", Offer(site, "0.9.1"));
        refused("version with letters", Offer(site, "1.0-beta"));

        const QByteArray signature = signer.Signature("1.0", "setup.exe", 13, hash);
        refused("no signature", testing::UpdateAnswerBody({"OK", "1.0", "https://h.org/setup.exe", hash, "13"}));
        refused("short hash", Fields("1.0", hash.left(63), "13", signature));
        refused("hash not hexadecimal", Fields("1.0", QByteArray(hash).replace('a', 'g'), "13", signature));
        refused("size not signed", Fields("1.0", hash, "14", signature));
        refused("version not signed", Fields("1.1", hash, "13", signature));
        refused("signature altered",
                Fields("1.0", hash, "13", signature.left(127) + (signature.endsWith('0') ? "1" : "0")));
        refused("size zero", Fields("1.0", hash, "0", signer.Signature("1.0", "setup.exe", 0, hash)));
        const qint64 over = 512 * 1024 * 1024 + 1;
        refused("size over 512 MiB",
                Fields("1.0", hash, QByteArray::number(over), signer.Signature("1.0", "setup.exe", over, hash)));
    }

    void offerNamesTheInstallerOrNothing()
    {
        QFETCH(QByteArray, body);
        QFETCH(QByteArray, address);
        const lumeno::UpdateAnswer answer = lumeno::UpdateAnswer::Parse(body, running);
        QCOMPARE(answer.newVersion, !address.isEmpty());
        if (!answer.newVersion)
            return;
        QCOMPARE(answer.installerUrl, QUrl(QString::fromUtf8(address)));
        QCOMPARE(answer.installerName, QString::fromUtf8(address.mid(address.lastIndexOf('/') + 1)));
        QCOMPARE(answer.installerSha256.toHex(), testing::Sha256Hex(installer));
        QCOMPARE(answer.installerSize, qint64(installer.size()));
    }
};

QTEST_APPLESS_MAIN(TestUpdateAnswer)
#include "test_update_answer.moc"
