// What the update service may say, and what the program accepts of it.
#include "update/UpdateAnswer.h"

#include <QTest>

class TestUpdateAnswer : public QObject
{
    Q_OBJECT

    static QByteArray Offer(const QByteArray &address, const QByteArray &extra = QByteArray())
    {
        return "Lumeno3D update service\nOK<br>0.9.2<br>" + address + extra + "\n";
    }

private slots:
    void offerNamesTheInstaller_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("name");
        QTest::newRow("https") << Offer("https://lumeno3d.org/files/setup_0.9.2.exe")
                               << "https://lumeno3d.org/files/setup_0.9.2.exe" << "setup_0.9.2.exe";
        QTest::newRow("http to loopback") << Offer("http://127.0.0.1:8080/files/Lumeno3D-0.9.2.AppImage")
                                          << "http://127.0.0.1:8080/files/Lumeno3D-0.9.2.AppImage"
                                          << "Lumeno3D-0.9.2.AppImage";
        QTest::newRow("http to localhost") << Offer("http://localhost/a_b-c.deb") << "http://localhost/a_b-c.deb"
                                           << "a_b-c.deb";
        QTest::newRow("http to ipv6 loopback") << Offer("http://[::1]:81/setup") << "http://[::1]:81/setup"
                                               << "setup";
        QTest::newRow("CR LF line ends") << QByteArray("head\r\nOK<br>0.9.2<br>https://h.org/setup.exe\r\n")
                                         << "https://h.org/setup.exe" << "setup.exe";
        QTest::newRow("text after a zero byte") << Offer("https://h.org/setup.exe", QByteArray("\0<br>junk", 9))
                                                << "https://h.org/setup.exe" << "setup.exe";
        QTest::newRow("more lines") << QByteArray("x\nOK<br><br>https://h.org/s.exe<br><br>more\nline 2\n")
                                    << "https://h.org/s.exe" << "s.exe";
    }

    void offerNamesTheInstaller()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, address);
        QFETCH(QString, name);
        const lumeno::UpdateAnswer answer = lumeno::UpdateAnswer::Parse(body);
        QVERIFY(answer.newVersion);
        QCOMPARE(answer.installerUrl, QUrl(address));
        QCOMPARE(answer.installerName, name);
        QVERIFY(answer.installerSha256.isEmpty());
    }

    void answersWithoutUpdate_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("lower-case status") << Offer("https://h.org/setup.exe").replace("OK", "ok");
        QTest::newRow("status on the first line") << QByteArray("OK<br>0.9.2<br>https://h.org/setup.exe\n");
        QTest::newRow("a single line") << QByteArray("OK<br>0.9.2<br>https://h.org/setup.exe");
        QTest::newRow("two fields") << QByteArray("x\nOK<br>0.9.2\n");
        QTest::newRow("status with a space") << QByteArray("x\nOK <br>0.9.2<br>https://h.org/setup.exe\n");
        QTest::newRow("service error") << QByteArray("x\nNO<br>ERRORX<br>database\n");
        QTest::newRow("zero byte before the answer") << QByteArray("x\0\nOK<br>0.9.2<br>https://h.org/s.exe\n", 38);
        QTest::newRow("name empty") << Offer("https://h.org/files/");
        QTest::newRow("name ..") << Offer("https://h.org/files/..");
        QTest::newRow("name .") << Offer("https://h.org/files/.");
        QTest::newRow("name with a query") << Offer("https://h.org/files/a?b");
        QTest::newRow("name with a fragment") << Offer("https://h.org/files/a#b");
        QTest::newRow("name with a space") << Offer("https://h.org/files/set up.exe");
        QTest::newRow("name with an escape") << Offer("https://h.org/files/..%2Fsetup.exe");
        QTest::newRow("http to another host") << Offer("http://lumeno3d.org/files/setup.exe");
        QTest::newRow("http to the any address") << Offer("http://0.0.0.0/files/setup.exe");
        QTest::newRow("http to a look-alike host") << Offer("http://127.0.0.1.example.org/setup.exe");
        QTest::newRow("ftp") << Offer("ftp://h.org/files/setup.exe");
        QTest::newRow("local file") << Offer("file:///usr/bin/setup.exe");
        QTest::newRow("relative address") << Offer("files/setup.exe");
        QTest::newRow("no address") << Offer("");
    }

    void answersWithoutUpdate()
    {
        QFETCH(QByteArray, body);
        QVERIFY(!lumeno::UpdateAnswer::Parse(body).newVersion);
    }

    void hashInTheFourthField_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray hex = "9f86d081884c7d659a2feaa0c55ad015a3bf4f1b2b0b822cd15d6c15b0f00a08";
        QTest::newRow("lower case") << hex << QByteArray::fromHex(hex);
        QTest::newRow("upper case") << hex.toUpper() << QByteArray::fromHex(hex);
        QTest::newRow("too short") << hex.left(63) << QByteArray();
        QTest::newRow("not hexadecimal") << QByteArray(hex).replace('9', 'g') << QByteArray();
        QTest::newRow("empty") << QByteArray() << QByteArray();
    }

    void hashInTheFourthField()
    {
        QFETCH(QByteArray, field);
        QFETCH(QByteArray, expected);
        const lumeno::UpdateAnswer answer =
            lumeno::UpdateAnswer::Parse(Offer("https://h.org/setup.exe", "<br>" + field));
        QVERIFY(answer.newVersion);
        QCOMPARE(answer.installerSha256, expected);
    }
};

QTEST_APPLESS_MAIN(TestUpdateAnswer)
#include "test_update_answer.moc"
