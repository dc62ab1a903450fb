// The installed desktop application: `cmake --install` into a fresh prefix puts
// every file in its standard place, the desktop's own validators accept the
// launcher and the metainfo, the desktop's MIME database built there names
// plan files by the program's type, and the installed program starts.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <map>

namespace {

const QList<int> kIconSizes{16, 22, 24, 32, 48, 64, 128, 256};

struct Run {
    int exitCode = -1;
    QString output;
};

Run run(const QString& program, const QStringList& args,
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    env.remove(QStringLiteral("DESTDIR")); // the prefix alone decides where files go
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, args);
    Run result;
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        result.output = QStringLiteral("did not finish: ") + process.errorString();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.output = QString::fromUtf8(process.readAll());
    return result;
}

// The keys of a desktop file's [Desktop Entry] group.
std::map<QString, QString> desktopEntry(const QString& path) {
    std::map<QString, QString> keys;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return keys;
    bool inEntry = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(u'['))
            inEntry = line == QLatin1String("[Desktop Entry]");
        else if (inEntry && line.contains(u'=') && !line.startsWith(u'#'))
            keys[line.section(u'=', 0, 0).trimmed()] = line.section(u'=', 1).trimmed();
    }
    return keys;
}

// The text of the first element of each name in a metainfo file.
std::map<QString, QString> metainfoFields(const QString& path, QString* releaseVersion) {
    std::map<QString, QString> fields;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fields;
    QXmlStreamReader xml(&file);
    const QStringList containers{"component", "description", "provides",      "categories",
                                 "releases",  "release",     "content_rating"};
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QString name = xml.name().toString();
        if (name == QLatin1String("release"))
            *releaseVersion = xml.attributes().value(QLatin1String("version")).toString();
        if (containers.contains(name))
            continue; // their children are read next
        fields.try_emplace(name, xml.readElementText(QXmlStreamReader::IncludeChildElements));
    }
    if (xml.hasError())
        fields[QStringLiteral("<error>")] = xml.errorString();
    return fields;
}

// The MIME types a shared-mime-info package declares, each with its globs,
// icon and comments (keyed "comment" and "comment[ru]").
std::map<QString, std::map<QString, QString>> mimeTypes(const QString& path) {
    std::map<QString, std::map<QString, QString>> types;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return types;
    QXmlStreamReader xml(&file);
    std::map<QString, QString>* type = nullptr;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QString name = xml.name().toString();
        const QXmlStreamAttributes attributes = xml.attributes();
        if (name == QLatin1String("mime-type")) {
            type = &types[attributes.value(QLatin1String("type")).toString()];
        } else if (type && name == QLatin1String("glob")) {
            (*type)[QStringLiteral("glob")] +=
                attributes.value(QLatin1String("pattern")).toString() + u';';
        } else if (type && name == QLatin1String("icon")) {
            (*type)[QStringLiteral("icon")] = attributes.value(QLatin1String("name")).toString();
        } else if (type && name == QLatin1String("comment")) {
            const QString lang = attributes.value(QLatin1String("xml:lang")).toString();
            (*type)[lang.isEmpty() ? QStringLiteral("comment") : "comment[" + lang + u']'] =
                xml.readElementText();
        }
    }
    if (xml.hasError())
        types[QStringLiteral("<error>")][QStringLiteral("error")] = xml.errorString();
    return types;
}

} // namespace

class TestInstall : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();

    void putsEveryFileInItsStandardPlace();
    void iconsAreTheSvgAtEachSize_data();
    void iconsAreTheSvgAtEachSize();
    void launcherOpensPlanFiles();
    void planFilesHaveTheirOwnType();
    void mimeDatabaseNamesASavedPlan();
    void metainfoNamesTheProgramAndItsVersion();
    void desktopFileValidates();
    void metainfoValidates();
    void installedProgramStarts();

private:
    QString installed(const QString& relative) const { return m_prefix.filePath(relative); }
    QString bin(const QString& name) const {
        return installed(QStringLiteral(VANTREL_INSTALL_BINDIR "/") + name);
    }
    QString data(const QString& relative) const {
        return installed(QStringLiteral(VANTREL_INSTALL_DATADIR "/") + relative);
    }
    QString desktopFile() const { return data(QStringLiteral("applications/vantrel.desktop")); }
    QString mimeFile() const { return data(QStringLiteral("mime/packages/vantrel.xml")); }
    QString metainfoFile() const {
        return data(QStringLiteral("metainfo/io.github.vantrel.Vantrel.metainfo.xml"));
    }
    QString pngIcon(int size) const {
        return data(QStringLiteral("icons/hicolor/%1x%1/apps/vantrel.png").arg(size));
    }
    QString svgIcon() const {
        return data(QStringLiteral("icons/hicolor/scalable/apps/vantrel.svg"));
    }

    QTemporaryDir m_prefix;
};

void TestInstall::initTestCase() {
    QVERIFY(m_prefix.isValid());
    const Run install = run(QStringLiteral(VANTREL_CMAKE_COMMAND),
                            {QStringLiteral("--install"), QStringLiteral(VANTREL_BUILD_DIR),
                             QStringLiteral("--prefix"), m_prefix.path()});
    QVERIFY2(install.exitCode == 0, qPrintable(install.output));
}

void TestInstall::putsEveryFileInItsStandardPlace() {
    QVERIFY(QFileInfo(bin(QStringLiteral("vantrel"))).isExecutable());
    QVERIFY(QFileInfo::exists(desktopFile()));
    QVERIFY(QFileInfo::exists(metainfoFile()));
    QVERIFY(QFileInfo::exists(mimeFile()));
    QVERIFY(QFileInfo::exists(svgIcon()));
    for (int size : kIconSizes)
        QVERIFY2(QFileInfo::exists(pngIcon(size)), qPrintable(pngIcon(size)));
}

void TestInstall::iconsAreTheSvgAtEachSize_data() {
    QTest::addColumn<int>("size");
    for (int size : kIconSizes)
        QTest::addRow("%dx%d", size, size) << size;
}

void TestInstall::iconsAreTheSvgAtEachSize() {
    QFETCH(int, size);
    QImage png(pngIcon(size));
    QVERIFY2(!png.isNull(), qPrintable(pngIcon(size)));
    QCOMPARE(png.size(), QSize(size, size));
    png = png.convertToFormat(QImage::Format_ARGB32);
    // A drawing, not a filled square nor an empty canvas.
    QCOMPARE(qAlpha(png.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(png.pixel(size / 2, size / 2)), 255);

    QSvgRenderer svg(svgIcon());
    QVERIFY(svg.isValid());
    QCOMPARE(svg.viewBoxF().width(), svg.viewBoxF().height());
    QImage expected(size, size, QImage::Format_ARGB32);
    expected.fill(Qt::transparent);
    QPainter painter(&expected);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    int differing = 0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const QRgb a = png.pixel(x, y), b = expected.pixel(x, y);
            if (std::abs(qAlpha(a) - qAlpha(b)) > 8 || std::abs(qRed(a) - qRed(b)) > 8 ||
                std::abs(qGreen(a) - qGreen(b)) > 8 || std::abs(qBlue(a) - qBlue(b)) > 8)
                ++differing;
        }
    QVERIFY2(differing <= size * size / 100, qPrintable(QString::number(differing)));
}

void TestInstall::launcherOpensPlanFiles() {
    const std::map<QString, QString> entry = desktopEntry(desktopFile());
    QVERIFY(!entry.empty());
    QCOMPARE(entry.at(QStringLiteral("Type")), QStringLiteral("Application"));
    QCOMPARE(entry.at(QStringLiteral("Name")), QStringLiteral("Vantrel"));
    // One local file at most, as the program takes it; none when started from a menu.
    QCOMPARE(entry.at(QStringLiteral("Exec")), QStringLiteral("vantrel %f"));
    QVERIFY(QFileInfo(bin(QStringLiteral("vantrel"))).isExecutable());
    QCOMPARE(entry.at(QStringLiteral("MimeType")), QStringLiteral("application/x-vantrel-plan;"));
    QCOMPARE(entry.at(QStringLiteral("Terminal")), QStringLiteral("false"));
    // The icon is named, not a path, and the theme holds it.
    QCOMPARE(entry.at(QStringLiteral("Icon")), QStringLiteral("vantrel"));
    QCOMPARE(QFileInfo(svgIcon()).completeBaseName(), entry.at(QStringLiteral("Icon")));
}

void TestInstall::planFilesHaveTheirOwnType() {
    const auto types = mimeTypes(mimeFile());
    QCOMPARE(types.count(QStringLiteral("<error>")), std::size_t(0));
    QCOMPARE(types.size(), std::size_t(1));
    // The type the launcher opens, named by the file manager in both languages.
    QCOMPARE(types.begin()->first + u';', desktopEntry(desktopFile()).at("MimeType"));
    const std::map<QString, QString>& plan = types.begin()->second;
    QCOMPARE(plan.at(QStringLiteral("glob")), QStringLiteral("*.ip;"));
    QCOMPARE(plan.at(QStringLiteral("comment")), QStringLiteral("Vantrel plan"));
    QCOMPARE(plan.at(QStringLiteral("comment[ru]")), QStringLiteral("План Vantrel"));
    // Shown with the program's icon, which the theme holds.
    QCOMPARE(plan.at(QStringLiteral("icon")), desktopEntry(desktopFile()).at("Icon"));
    QCOMPARE(QFileInfo(svgIcon()).completeBaseName(), plan.at(QStringLiteral("icon")));
}

// What Debian's trigger does after an install, then what a file manager asks.
void TestInstall::mimeDatabaseNamesASavedPlan() {
    const QString update = QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
    const QString query = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    const QString gio = QStandardPaths::findExecutable(QStringLiteral("gio"));
    if (update.isEmpty() || query.isEmpty() || gio.isEmpty())
        QSKIP("needs update-mime-database, xdg-mime and gio (shared-mime-info, xdg-utils, "
              "libglib2.0-bin)");
    // The prefix alone is searched, as the system's folders are once the package is in.
    QProcessEnvironment env;
    env.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
    env.insert(QStringLiteral("HOME"), installed(QStringLiteral("home")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), installed(QStringLiteral("home/data")));
    env.insert(QStringLiteral("XDG_DATA_DIRS"), data(QString()));
    // xdg-mime then asks GIO, as the GTK file managers do.
    env.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("GNOME"));
    const Run updated = run(update, {data(QStringLiteral("mime"))}, env);
    QVERIFY2(updated.exitCode == 0, qPrintable(updated.output));
    QVERIFY2(updated.output.isEmpty(), qPrintable(updated.output)); // not even a warning

    const QString plan = installed(QStringLiteral("home/Shop.IP"));
    QVERIFY(QDir().mkpath(installed(QStringLiteral("home"))));
    QFile file(plan);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromHex("ffffffff00000000")); // a saved plan without rows
    file.close();
    const Run named = run(query, {QStringLiteral("query"), QStringLiteral("filetype"), plan}, env);
    QCOMPARE(named.output.trimmed(), QStringLiteral("application/x-vantrel-plan"));
    QCOMPARE(named.exitCode, 0);
}

void TestInstall::metainfoNamesTheProgramAndItsVersion() {
    QString version;
    const std::map<QString, QString> fields = metainfoFields(metainfoFile(), &version);
    QCOMPARE(fields.count(QStringLiteral("<error>")), std::size_t(0));
    QCOMPARE(version, QStringLiteral(VANTREL_PROJECT_VERSION));
    QCOMPARE(fields.at(QStringLiteral("id")), QStringLiteral("io.github.vantrel.Vantrel"));
    QCOMPARE(fields.at(QStringLiteral("name")), QStringLiteral("Vantrel"));
    QCOMPARE(fields.at(QStringLiteral("developer_name")), QStringLiteral("Vantrel developers"));
    // What it points at is installed beside it.
    QCOMPARE(data(QStringLiteral("applications/") + fields.at(QStringLiteral("launchable"))),
             desktopFile());
    QVERIFY(QFileInfo(bin(fields.at(QStringLiteral("binary")))).isExecutable());
    // A software centre offers the program for plan files.
    QCOMPARE(fields.at(QStringLiteral("mediatype")), QStringLiteral("application/x-vantrel-plan"));
    QFile file(metainfoFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(!file.readAll().contains('@')); // every placeholder filled in
}

void TestInstall::desktopFileValidates() {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (tool.isEmpty())
        QSKIP("desktop-file-validate is not installed (Debian package desktop-file-utils)");
    const Run check = run(tool, {desktopFile()});
    QVERIFY2(check.exitCode == 0, qPrintable(check.output));
    QVERIFY2(check.output.trimmed().isEmpty(), qPrintable(check.output)); // not even a warning
}

void TestInstall::metainfoValidates() {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("appstreamcli"));
    if (tool.isEmpty())
        QSKIP("appstreamcli is not installed (Debian package appstream)");
    const Run check = run(tool, {QStringLiteral("validate"), QStringLiteral("--no-net"),
                                 QStringLiteral("--strict"), metainfoFile()});
    QVERIFY2(check.exitCode == 0, qPrintable(check.output));
}

void TestInstall::installedProgramStarts() {
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(bin(QStringLiteral("vantrel")), {});
    QVERIFY2(program.waitForStarted(10000), qPrintable(program.errorString()));
    // It runs until its window closes: still running a while later means it came up.
    QVERIFY2(!program.waitForFinished(1500), qPrintable(QString::number(program.exitCode())));
    program.kill();
    program.waitForFinished();
}

QTEST_MAIN(TestInstall)
#include "tst_install.moc"
