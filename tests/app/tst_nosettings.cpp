// The program keeps nothing between runs: the real file dialogs, opened,
// cancelled and used, leave nothing in the user's home, XDG or temporary
// folders, while the dialogs still remember the name chosen last.
#include "app/application.h"
#include "app/calc.h"
#include "grid/plangrid.h"
#include "planner/plannerpage.h"
#include "tests/support/fakeplatform.h"

#include <QDialogButtonBox>
#include <QDirIterator>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <functional>

using namespace vantrel;

namespace {

const char* const kUserFolders[] = {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME",
                                    "XDG_STATE_HOME"};

// Every file and folder under root, hidden ones too, except the empty
// folders the test made itself.
QStringList contentsOf(const QString& root) {
    QStringList found;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        found << it.next().mid(root.size() + 1);
    for (const char* name : kUserFolders)
        found.removeOne(QString::fromLatin1(name));
    return found;
}

} // namespace

class TestNoSettings : public QObject {
    Q_OBJECT
public:
    TestNoSettings(QString userRoot, QString saveFolder)
        : m_userRoot(std::move(userRoot)), m_saveFolder(std::move(saveFolder)) {}

private slots:
    void dialogsLeaveNothingInTheUsersFolders();

private:
    // Clicks the button and, once the real dialog is up, lets answer act in it.
    void clickAndAnswer(QPushButton* button, const std::function<void(QFileDialog*)>& answer);

    QString m_userRoot;
    QString m_saveFolder;
};

void TestNoSettings::clickAndAnswer(QPushButton* button,
                                    const std::function<void(QFileDialog*)>& answer) {
    bool answered = false;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible() || answered)
            return;
        answered = true;
        answer(dialog);
    });
    poll.start(10);
    QTest::mouseClick(button, Qt::LeftButton); // returns when the dialog has closed
    QVERIFY(answered);
}

void TestNoSettings::dialogsLeaveNothingInTheUsersFolders() {
    test::FakePlatform platform;
    TCalc calc(platform);
    const auto button = [&](const char* name) {
        return calc.findChild<QPushButton*>(QString::fromLatin1(name));
    };
    calc.show();
    QVERIFY(QTest::qWaitForWindowExposed(&calc));
    const auto typeName = [](const QString& name) {
        return [name](QFileDialog* dialog) {
            auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(edit);
            edit->clear();
            QTest::keyClicks(edit, name);
            // Typing opened the name completer's list; a click elsewhere would
            // only close it, so it is closed first.
            if (QWidget* completions = QApplication::activePopupWidget())
                completions->close();
            auto* buttons = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
            QVERIFY(buttons);
            for (QAbstractButton* button : buttons->buttons())
                if (buttons->buttonRole(button) == QDialogButtonBox::AcceptRole) // Save or Open
                    QTest::mouseClick(button, Qt::LeftButton);
        };
    };
    const auto cancel = [](QFileDialog* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); };

    clickAndAnswer(button("btnSave"), typeName("plan"));
    QVERIFY(QFile::exists(m_saveFolder + "/plan.ip"));
    clickAndAnswer(button("btnLoad"), cancel);
    // The save dialog offers the name chosen last.
    QString offered;
    clickAndAnswer(button("btnSave"), [&](QFileDialog* dialog) {
        offered = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
        cancel(dialog);
    });
    QCOMPARE(offered, QStringLiteral("plan.ip"));
    button("btnAdd")->click();
    clickAndAnswer(button("btnLoad"), typeName("plan.ip"));
    QCOMPARE(calc.findChild<TPlanGrid*>("planGrid")->RowCount(), 1);

    QCOMPARE(contentsOf(m_userRoot), QStringList());
}

int main(int argc, char** argv) {
    // Empty folders of the user's own, in place before anything reads them.
    // Temporary files go to a folder of their own, to be empty at the end.
    QTemporaryDir userRoot;
    QTemporaryDir saveFolder;
    QTemporaryDir temporaries;
    QTemporaryDir runtime;
    if (!userRoot.isValid() || !saveFolder.isValid() || !temporaries.isValid() ||
        !runtime.isValid())
        return 1;
    for (const char* name : kUserFolders) {
        const QString folder = userRoot.filePath(QString::fromLatin1(name));
        QDir().mkpath(folder);
        qputenv(name, QFile::encodeName(folder));
    }
    qputenv("TMPDIR", QFile::encodeName(temporaries.path()));
    // The session's runtime folder, which Qt would otherwise make in TMPDIR.
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    QDir::setCurrent(saveFolder.path()); // where the dialogs start
    int result = 0;
    {
        TApplication app(argc, argv);
        TestNoSettings test(userRoot.path(), saveFolder.path());
        result = QTest::qExec(&test, argc, argv);
    }
    // Nor after the program has ended.
    const QStringList left = contentsOf(userRoot.path()) + contentsOf(temporaries.path());
    if (!left.isEmpty()) {
        std::fprintf(stderr, "FAIL! left behind after the end: %s\n",
                     qPrintable(left.join(QStringLiteral(", "))));
        result = 1;
    }
    return result;
}
#include "tst_nosettings.moc"
