// The round trip in the desktop program: the code window's Save As and Build > Generate into
// File keep what the developer wrote in the Java file, an unsafe merge asks Replace or Cancel,
// and File > Import Java... reads a generated class back into the design.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>

#include "DesktopFixture.h"
#include "qt/CodeWindow.h"

namespace korvane::testing {
namespace {

const QByteArray kStub = "            System.out.println(\"Action Performed by button_1\");\r\n";
const QByteArray kEdit = "            System.out.println(\"kept\"); // }\r\n";

// A saved design Login: a button that listens to clicks.
void SavedDesign(Desktop& d) {
    d.Click("opt_JButton_Click");
    d.doc().MutableSlot(1).ComponentEvents = "actionPerformed()";
    d.dialogs.paths = {d.Path("Login.dat")};
    d.Click("opt_Save");
}

void SaveFromCodeWindow(Desktop& d) {
    d.Click("opt_GenerateJFrame");
    d.dialogs.paths = {d.Path("Login.java")};
    d.window->Code()->findChild<QAction*>("OptionSaveAs")->trigger();
}

void Write(const Desktop& d, const QString& name, const QByteArray& bytes) {
    QFile file(QString::fromStdString(d.Path(name)));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

}  // namespace

class JavaRoundTripTest : public QObject {
    Q_OBJECT
  private slots:
    void savingOverAnEditedFileKeepsTheEdit_data() {
        QTest::addColumn<bool>("intoFile");
        QTest::newRow("code window Save As") << false;
        QTest::newRow("Build > Generate into File") << true;
    }
    void savingOverAnEditedFileKeepsTheEdit() {
        QFETCH(bool, intoFile);
        Desktop d;
        SavedDesign(d);
        d.main().ChooseTarget("JFrame");
        const auto save = [&] {
            if (intoFile) {
                d.Click("opt_GenerateIntoFile");
            } else {
                SaveFromCodeWindow(d);
            }
        };
        save();
        QByteArray java = d.Read("Login.java");
        QVERIFY(java.contains(kStub));
        Write(d, "Login.java", java.replace(kStub, kEdit));
        // The design changes, and is generated and saved again.
        d.Click("opt_Label_Click");
        save();
        const QByteArray merged = d.Read("Login.java");
        QVERIFY(merged.contains(kEdit));
        QVERIFY(!merged.contains(kStub));
        QVERIFY(merged.contains("JLabel label_1;") || merged.contains("Label label_1;"));
    }

    void aFileThatCannotBeMergedAsksReplaceOrCancel() {
        Desktop d;
        SavedDesign(d);
        const QByteArray other = "class Other {\r\n}\r\n";
        Write(d, "Login.java", other);
        d.messages.answers = {MessageResult::Ok, MessageResult::Cancel};  // generated; Cancel
        SaveFromCodeWindow(d);
        QCOMPARE(d.messages.shown.back().buttons, MessageButtons::ReplaceCancel);
        QVERIFY(d.messages.shown.back().text.find("line 1: ") != std::string::npos);
        QCOMPARE(d.Read("Login.java"), other);
        d.messages.answers = {MessageResult::Ok, MessageResult::Yes};  // generated; Replace
        SaveFromCodeWindow(d);
        QVERIFY(d.Read("Login.java").startsWith("import java.awt.*;"));
    }

    // A named pipe is written into afresh, as korvane-gen does: it is never read for a merge.
    void savingIntoANamedPipeWritesTheNewClass() {
        Desktop d;
        SavedDesign(d);
        const std::string pipe = d.Path("Login.java");
        QCOMPARE(::mkfifo(pipe.c_str(), 0644), 0);
        const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
        QVERIFY(reader >= 0);
        SaveFromCodeWindow(d);
        QByteArray got(1 << 16, '\0');
        const ssize_t n = ::read(reader, got.data(), static_cast<size_t>(got.size()));
        ::close(reader);
        QVERIFY(n > 0);
        got.resize(n);
        QCOMPARE(got, QByteArray::fromStdString(d.main().codeListing.FileText()));
        for (const MessageRequest& shown : d.messages.shown)
            QVERIFY2(shown.icon != MessageIcon::Warning, shown.text.c_str());
    }

    void importJavaReadsAGeneratedClassBackIntoTheDesign() {
        Desktop d;
        SavedDesign(d);
        d.Click("opt_Label_Click");
        d.doc().MutableSlot(2).ComponentValue = "Name: \"x\"";
        d.Click("opt_Save");
        SaveFromCodeWindow(d);
        const QByteArray java = d.Read("Login.java");
        d.Click("opt_New");
        QCOMPARE(d.doc().LiveCount(), 0);
        d.dialogs.paths = {d.Path("Login.java")};
        d.Click("opt_ImportJava");
        QCOMPARE(d.doc().LiveCount(), 2);
        QCOMPARE(d.doc().FileName, std::string("Login"));
        QCOMPARE(d.doc().Target, std::string("JFrame"));
        QVERIFY(d.form().Modified());
        // Generating the imported design gives the class again, byte for byte.
        d.dialogs.paths = {d.Path("Login.dat")};
        d.Click("opt_Save");
        d.Click("opt_GenerateJFrame");
        const QByteArray again = QByteArray::fromStdString(d.main().codeListing.FileText());
        QCOMPARE(again, java);
    }
};

}  // namespace korvane::testing

QTEST_MAIN(korvane::testing::JavaRoundTripTest)
#include "JavaRoundTripTest.moc"
