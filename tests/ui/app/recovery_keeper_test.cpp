// Recovery copies in the desktop program: written after an edit, never for opening alone, gone
// after a save, a close or a normal exit; left by a killed program and offered at the next start,
// where Restore brings the edit back under the model's own name.
#include "core/commands/command_table.h"
#include "core/files/dct_file.h"
#include "core/model/flowmar_doc.h"
#include "support/fake_ui_port.h"
#include "support/no_questions.h"
#include "ui/app/flowmar_app.h"
#include "ui/app/main_frame.h"
#include "ui/app/recovery_keeper.h"
#include "ui/app/shell_questions.h"
#include "ui/dialogs/dialog_recovery.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace flowmar {
namespace {

using namespace std::chrono_literals;

const QString kExamples = QStringLiteral(FLOWMAR_EXAMPLES);

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class RecoveryKeeperTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        model = m_dir.filePath(QStringLiteral("heading.dct"));
        ASSERT_TRUE(QFile::copy(kExamples + QStringLiteral("/forcing-one-fan.dct"), model));
        QFile(model).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        folder = m_dir.filePath(QStringLiteral("recovery"));
    }

    // A main window as the program starts one: keeping copies, quickly for the test's sake.
    std::unique_ptr<CMainFrame> startProgram() {
        auto frame = std::make_unique<CMainFrame>(&port, &questions);
        frame->keepRecoveryCopies(folder);
        frame->recoveryKeeper()->setTiming(20ms, 200ms);
        return frame;
    }

    // A program started from the test: its settings and data go to the test's folder, never to
    // the person's own.
    QProcessEnvironment childEnvironment() const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), m_dir.path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                           m_dir.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), m_dir.filePath(QStringLiteral("data")));
        environment.insert(QStringLiteral("FLOWMAR_RECOVERY_DIR"), folder);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        return environment;
    }

    // The folder's file names, for messages a person can read when they differ.
    static std::string filesIn(const QString& path) {
        return QDir(path)
            .entryList(QDir::Files, QDir::Name)
            .join(QStringLiteral(", "))
            .toStdString();
    }

    // This program's copies once the writes asked for have reached the disk.
    static std::vector<RecoveryCopy> copiesOf(CMainFrame& frame) {
        frame.recoveryKeeper()->waitForWrites();
        return frame.recoveryKeeper()->store().ownCopies();
    }

    // Waits past the settling time and the interval: anything due has been written. For the
    // cases where no copy may come.
    static void pastTheDebounce(CMainFrame& frame) {
        QTest::qWait(400);
        frame.recoveryKeeper()->waitForWrites();
    }

    // The copies once there are `count` of them, waiting as long as a loaded machine may need.
    static std::vector<RecoveryCopy> awaitCopies(CMainFrame& frame, std::size_t count) {
        std::vector<RecoveryCopy> copies = copiesOf(frame);
        for (int waited = 0; copies.size() != count && waited < 10000; waited += 20) {
            QTest::qWait(20);
            copies = copiesOf(frame);
        }
        return copies;
    }

    QTemporaryDir m_dir;
    QString model;
    QString folder;
    testing::FakeUiPort port;
    testing::NoQuestions questions;
};

TEST_F(RecoveryKeeperTest, OpeningWritesNoCopyAnEditDoesAndASaveRemovesIt) {
    const QByteArray onDisk = fileBytes(model);
    auto frame = startProgram();
    ASSERT_TRUE(frame->openFile(model));
    ASSERT_TRUE(frame->activeDocument()->isModified()) << "opening's Execute marks it modified";
    pastTheDebounce(*frame);
    EXPECT_TRUE(copiesOf(*frame).empty()) << "opening and Execute change no input";

    // Notepad, as a person runs it from the menu: the command's end starts the copy.
    port.onNotepad = [](std::string& text) {
        text = "moved the fan to the portal";
        return true;
    };
    frame->commandAction(commands::kNotepad)->trigger();
    std::vector<RecoveryCopy> copies = awaitCopies(*frame, 1);
    ASSERT_EQ(copies.size(), 1U);
    EXPECT_EQ(copies[0].originalFile, model.toStdString());
    EXPECT_EQ(copies[0].title, "heading.dct");
    EXPECT_EQ(copies[0].kind, RecoveryKind::DuctModel);
    const DuctFileRead copy = readDuctFile(copies[0].copy);
    ASSERT_TRUE(copy.ok()) << copy.error;
    EXPECT_EQ(copy.document->notepadText, "moved the fan to the portal");
    EXPECT_EQ(fileBytes(model), onDisk) << "the model's own file is never touched";

    // The same command cancelled changes nothing: the copy is not written again.
    const auto written = std::filesystem::last_write_time(copies[0].copy);
    port.onNotepad = nullptr;
    frame->commandAction(commands::kNotepad)->trigger();
    pastTheDebounce(*frame);
    ASSERT_EQ(copiesOf(*frame).size(), 1U);
    EXPECT_EQ(std::filesystem::last_write_time(copies[0].copy), written);

    ASSERT_TRUE(frame->saveActive());
    QTest::qWait(50);
    EXPECT_TRUE(copiesOf(*frame).empty()) << "saved: the file holds the edit";
    // Executed after the save: modified again, but the input is the file's.
    ASSERT_TRUE(frame->executeActive());
    pastTheDebounce(*frame);
    EXPECT_TRUE(copiesOf(*frame).empty());
}

TEST_F(RecoveryKeeperTest, ClosingWithoutSavingAndANormalExitLeaveNoCopy) {
    {
        auto frame = startProgram();
        ASSERT_TRUE(frame->openFile(model));
        CFlowmarDoc* heading = frame->activeDocument();
        ASSERT_TRUE(frame->newDuctModel());
        CFlowmarDoc* fresh = frame->activeDocument();
        ASSERT_NE(fresh, heading);
        fresh->notepadText = "never saved";
        fresh->setModifiedFlag();
        fresh->updateAllViews();
        ASSERT_EQ(awaitCopies(*frame, 1).size(), 1U);
        EXPECT_EQ(copiesOf(*frame)[0].originalFile, "") << "a new model belongs to no file";
        ASSERT_TRUE(frame->closeActiveDocument()); // the questions answer Discard
        QTest::qWait(50);
        EXPECT_TRUE(copiesOf(*frame).empty());

        heading->notepadText = "edited, then the program is closed";
        frame->recoveryKeeper()->documentsChanged();
        ASSERT_EQ(awaitCopies(*frame, 1).size(), 1U);
    }
    // The next program finds nothing left behind.
    RecoveryStore next(folder.toStdString());
    EXPECT_TRUE(next.leftovers().empty());
    EXPECT_TRUE(next.ownCopies().empty());
}

TEST_F(RecoveryKeeperTest, AKilledProgramsEditIsOfferedAtTheNextStartAndRestored) {
    const QByteArray onDisk = fileBytes(model);
    QProcess killed;
    killed.setProcessEnvironment(childEnvironment());
    killed.start(QStringLiteral(FLOWMAR_RECOVERY_CHILD),
                 {folder, model, QStringLiteral("an hour of zones and fittings")});
    ASSERT_TRUE(killed.waitForStarted(10000));
    ASSERT_TRUE(killed.waitForReadyRead(20000)) << killed.readAllStandardError().toStdString();
    ASSERT_EQ(killed.readAllStandardOutput().trimmed(), "copied");
    {
        // A second program while the first still runs: its copies are not this one's to offer.
        RecoveryStore beside(folder.toStdString());
        EXPECT_TRUE(beside.leftovers().empty());
    }
    killed.kill(); // SIGKILL: no destructor, no normal exit
    ASSERT_TRUE(killed.waitForFinished(10000));
    ASSERT_EQ(killed.exitStatus(), QProcess::CrashExit);

    auto frame = startProgram();
    int shown = 0;
    const QString folderOfModel = QFileInfo(model).absolutePath();
    QTimer::singleShot(0, [&shown, folderOfModel] {
        auto* dialog = qobject_cast<DialogRecovery*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr) << "no recovery dialog";
        ++shown;
        QTableWidget* table = dialog->table();
        ASSERT_EQ(table->rowCount(), 1);
        EXPECT_EQ(table->item(0, 0)->text(), QStringLiteral("heading.dct"));
        EXPECT_EQ(table->item(0, 2)->text(), folderOfModel);
        EXPECT_EQ(dialog->actionBox(0)->currentIndex(), 0) << "Restore is offered first";
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    ASSERT_EQ(frame->offerRecovery(), 1);
    EXPECT_EQ(shown, 1);
    const CFlowmarDoc* doc = frame->activeDocument();
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->notepadText, "an hour of zones and fittings");
    EXPECT_TRUE(doc->isModified()) << "the save question must come when it closes";
    EXPECT_EQ(doc->title(), "heading.dct *");
    EXPECT_EQ(fileBytes(model), onDisk);
    EXPECT_TRUE(frame->recoveryKeeper()->store().leftovers().empty()) << "the leftover went";
    // The restored model is this program's unsaved work now: it has a copy of its own.
    EXPECT_EQ(awaitCopies(*frame, 1).size(), 1U);

    // Saving it writes the edit to the model's own file.
    ASSERT_TRUE(frame->saveActive());
    const DuctFileRead saved = readDuctFile(model.toStdString());
    ASSERT_TRUE(saved.ok()) << saved.error;
    EXPECT_EQ(saved.document->notepadText, "an hour of zones and fittings");
}

// A note in the folder that points outside it, and one of the wrong types: the program starts,
// lists both as notes that cannot be read, and the dialog's default (OK at once) touches no file
// outside the folder; Discard removes the notes only.
TEST_F(RecoveryKeeperTest, HostileNotesAreListedAsUnreadableAndTouchNothingOutside) {
    QDir().mkpath(folder);
    const QByteArray onDisk = fileBytes(model);
    const auto writeNote = [this](const char* name, const std::string& text) {
        QFile note(QDir(folder).filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(note.open(QIODevice::WriteOnly));
        note.write(text.data(), static_cast<qint64>(text.size()));
    };
    writeNote("p1x1n0-1.recovery.json",
              R"({"copy": "../heading.dct", "file": "../heading.dct", "title": "heading.dct",
                  "kind": "model", "savedAt": 1700000000})");
    writeNote("p1x1n0-2.recovery.json",
              R"({"copy": 5, "file": "", "title": "t", "kind": "model", "savedAt": 1})");
    for (const bool discard : {false, true}) {
        SCOPED_TRACE(discard ? "Discard" : "OK at once");
        auto frame = startProgram();
        int shown = 0;
        QTimer::singleShot(0, [&shown, discard] {
            auto* dialog = qobject_cast<DialogRecovery*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr) << "no recovery dialog";
            ++shown;
            ASSERT_EQ(dialog->table()->rowCount(), 2);
            for (int row = 0; row < 2; ++row) {
                EXPECT_EQ(dialog->table()->item(row, 1)->text(), QStringLiteral("cannot be read"));
                EXPECT_EQ(dialog->actionBox(row)->findText(QStringLiteral("Restore")), -1);
                if (discard) {
                    dialog->actionBox(row)->setCurrentText(QStringLiteral("Discard"));
                }
            }
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        EXPECT_EQ(frame->offerRecovery(), 0);
        EXPECT_EQ(shown, 1);
        EXPECT_EQ(fileBytes(model), onDisk);
        EXPECT_EQ(frame->recoveryKeeper()->store().leftovers().size(), discard ? 0U : 2U);
    }
}

TEST_F(RecoveryKeeperTest, TheProgramRunByScriptsNeitherOffersNorKeepsCopies) {
    {
        RecoveryStore dead(folder.toStdString());
        CFlowmarDoc edited;
        edited.notepadText = "left by a program that died";
        ASSERT_TRUE(dead.write(1, RecoveryKind::DuctModel, RecoveryStore::copyBytes(edited),
                               model.toStdString(), "heading.dct", 1)
                        .ok());
    }
    const std::string left = filesIn(folder);
    ASSERT_EQ(QDir(folder).entryList(QDir::Files).size(), 2) << "the copy and its note: " << left;
    const QString pdf = m_dir.filePath(QStringLiteral("heading.pdf"));
    const struct {
        const char* why;
        QStringList arguments;
        bool printing;
    } rows[] = {
        // A print that waited for the recovery question would never end.
        {"printing",
         {QStringLiteral("--no-splash"), model, QStringLiteral("--print-to"), pdf},
         true},
        // Asked not to: no question, and no copies (no lock of its own in the folder).
        {"--no-recovery",
         {QStringLiteral("--no-splash"), QStringLiteral("--no-recovery"), model},
         false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.why);
        QProcess program;
        program.setProcessEnvironment(childEnvironment());
        program.start(QStringLiteral(FLOWMAR_DESKTOP), row.arguments);
        ASSERT_TRUE(program.waitForStarted(10000));
        if (row.printing) {
            ASSERT_TRUE(program.waitForFinished(60000)) << "the print waited for something";
            EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
            EXPECT_TRUE(QFileInfo::exists(pdf));
        } else {
            EXPECT_FALSE(program.waitForFinished(1500)) << "the program ended by itself";
            EXPECT_EQ(filesIn(folder), left) << "it keeps a lock, so it would keep copies";
            program.kill();
            program.waitForFinished(10000);
        }
        EXPECT_EQ(filesIn(folder), left) << "the leftover is not touched";
    }
}

TEST(RecoveryDialog, EachRowOffersItsChoiceAndClosingKeepsThemAll) {
    const std::vector<RecoveryRow> rows{
        {"heading.dct", "Duct model", "/mine", "2026-01-02 03:04", true},
        {"DuctData2", "Duct model", "(never saved)", "x", true},
        {"fans.fdb", "Fan database", "/fans", "y", true},
        {"p1x1n0-1.recovery.json", "cannot be read", "the note is not a recovery note", "", false}};
    DialogRecovery accepted(rows);
    EXPECT_EQ(accepted.table()->item(1, 2)->text(), QStringLiteral("(never saved)"));
    EXPECT_EQ(accepted.table()->item(2, 1)->text(), QStringLiteral("Fan database"));
    accepted.actionBox(1)->setCurrentIndex(1);
    accepted.actionBox(2)->setCurrentIndex(2);
    // A note that cannot be read offers Keep first and Discard, never Restore.
    ASSERT_EQ(accepted.actionBox(3)->count(), 2);
    EXPECT_EQ(accepted.actionBox(3)->itemText(0), QStringLiteral("Keep for later"));
    accepted.actionBox(3)->setCurrentIndex(1);
    accepted.accept();
    EXPECT_EQ(accepted.choices(),
              (std::vector<RecoveryChoice>{RecoveryChoice::Restore, RecoveryChoice::Keep,
                                           RecoveryChoice::Discard, RecoveryChoice::Discard}));
    DialogRecovery closed(rows);
    closed.actionBox(2)->setCurrentIndex(2);
    closed.reject();
    EXPECT_EQ(closed.choices(), std::vector<RecoveryChoice>(4, RecoveryChoice::Keep))
        << "closing the dialog discards nothing";
}

TEST(RecoveryCommandLine, ScriptsAndPrintingStartWithoutRecovery) {
    const struct {
        const char* why;
        QStringList arguments;
        bool recovery;
    } rows[] = {
        {"a person's start", {}, true},
        {"a file to open", {QStringLiteral("a.dct")}, true},
        {"asked not to", {QStringLiteral("--no-recovery"), QStringLiteral("a.dct")}, false},
        // Printing runs unattended: a dialog would wait for nobody.
        {"printing", {QStringLiteral("a.dct"), QStringLiteral("--print")}, false},
        {"printing to a file",
         {QStringLiteral("a.dct"), QStringLiteral("--print-to"), QStringLiteral("a.pdf")},
         false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.why);
        const CommandLine line = parseCommandLine(row.arguments);
        ASSERT_TRUE(line.valid) << line.error.toStdString();
        EXPECT_EQ(line.recovery, row.recovery);
    }
}

} // namespace
} // namespace flowmar
