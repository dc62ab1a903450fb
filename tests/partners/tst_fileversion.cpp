// Reading the version record back from files, the executable's own included.
#include "partners/fileversion.h"

#include <QTemporaryDir>
#include <QTest>

using namespace vantrel;

class TestFileVersion : public QObject {
    Q_OBJECT
private slots:
    void readsRecords_data();
    void readsRecords();
    void unreadablePaths();
    void ownExecutableCarriesProjectVersion();

private:
    QTemporaryDir m_dir;
};

void TestFileVersion::readsRecords_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected");
    const QByteArray junk(4096, '\x7f');
    const QByteArray v3 = versionRecordBytes({3, 0, 0, 20});
    const QByteArray big = versionRecordBytes({10, 0, 0, 65535});
    QByteArray badCheck = v3;
    badCheck[badCheck.size() - 1] = char(badCheck.back() ^ 1);
    QTest::newRow("inside other bytes") << junk + v3 + junk << "3.0.0.20";
    QTest::newRow("largest numbers") << big << "10.0.0.65535";
    QTest::newRow("all zero") << versionRecordBytes({}) << "0.0.0.0";
    QTest::newRow("first of two") << v3 + big << "3.0.0.20";
    QTest::newRow("empty file") << QByteArray() << "";
    QTest::newRow("no record") << junk << "";
    QTest::newRow("truncated") << junk + v3.left(v3.size() - 1) << "";
    QTest::newRow("marker only") << v3.left(16) << "";
    QTest::newRow("bad check") << junk + badCheck << "";
    QTest::newRow("bad check, then sound") << badCheck + junk + big << "10.0.0.65535";
    QTest::newRow("marker overlapping record") << v3.left(16) + v3 << "3.0.0.20";
}

void TestFileVersion::readsRecords() {
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);
    const QString path = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    QCOMPARE(readFileVersionString(path), expected);
}

void TestFileVersion::unreadablePaths() {
    QCOMPARE(readFileVersionString(m_dir.filePath("missing")), QString());
    QCOMPARE(readFileVersionString(m_dir.path()), QString());
    QCOMPARE(readFileVersionString(QString()), QString());
}

void TestFileVersion::ownExecutableCarriesProjectVersion() {
    QCOMPARE(GetVersionString(), QStringLiteral(VANTREL_EXPECTED_VERSION));
}

QTEST_GUILESS_MAIN(TestFileVersion)
#include "tst_fileversion.moc"
