// The data file through real processes: this program starts itself again as a child game (the
// real window and game control, offscreen, in a private data directory), which records a best
// score by playing a demo minefield and answering the name prompt, reports on its standard output,
// and is then killed, signalled or run twice at once by the parent.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <csignal>
#include <cstdio>

#include "app/run_game.h"
#include "mainwindow/mine_board_window.h"
#include "platform/qt/qt_data_file_lock.h"
#include "scores/data_file.h"

using namespace zendrix;

namespace {

// The child: plays demo minefield S4 #1 to its end and records `name`, or with the name "-" only
// reports that the start-up has ended. Reports "ready", then "recorded saved" or "recorded
// unsaved" once the name is in memory and its save has been tried.
int ChildMain(char* program, const char* directory, const QString& name) {
    char* arguments[] = {program, nullptr};
    int count = 1;
    return RunGame(count, arguments, directory, [name](MineBoardWindow& window) {
        auto* poll = new QTimer(&window);
        QObject::connect(
            poll, &QTimer::timeout, &window,
            [&window, name, poll, played = false, reported = false]() mutable {
                MineBoard& board = window.board();
                if (board.game().demonstrationMode) return;
                if (!played) {
                    played = true;
                    std::puts("ready");
                    std::fflush(stdout);
                    if (name == "-") return poll->stop();
                    board.DemoMinefieldsCommand();
                    GameState& g = board.game();
                    for (int c = 1; c <= g.columnCount && !g.gameOver; ++c)
                        for (int r = 1; r <= g.rowCount && !g.gameOver; ++r)
                            for (int l = 1; l <= 3 && !g.gameOver; ++l)
                                if (g.IsCovered(c, r, l) && !g.IsMine(c, r, l))
                                    board.BoardPress(MouseButton::Left, Square{c, r, l});
                    return;
                }
                if (auto* input = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) {
                    input->setTextValue(name);
                    input->accept();
                    return;
                }
                if (!reported && board.lastBestName() == name.toStdString()) {
                    reported = true;
                    std::puts(board.unsaved() ? "recorded unsaved" : "recorded saved");
                    std::fflush(stdout);
                }
            });
        poll->start(10);
    });
}

}  // namespace

class DataFileProcessesTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        directory_ = std::make_unique<QTemporaryDir>();
        QVERIFY(directory_->isValid());
    }
    void cleanup() {
        for (auto& child : children_) {
            child->kill();
            child->waitForFinished(5000);
        }
        children_.clear();
        directory_.reset();
    }
    void killedRightAfterTheNameIsAnsweredKeepsIt();
    void signalsEndTheGameWithStatusZeroAfterSaving_data();
    void signalsEndTheGameWithStatusZeroAfterSaving();
    void twoCopiesSavingTogetherLoseNothing();
    void theLockOfACopyThatDiedIsTakenOver();

  private:
    // Starts a child game; it is killed when the test ends.
    QProcess* StartChild(const QString& name);
    // Waits for the child's next report line.
    static QString NextLine(QProcess* child, int timeoutMs = 20000);
    QString DataFileText() const;

    std::unique_ptr<QTemporaryDir> directory_;
    std::vector<std::unique_ptr<QProcess>> children_;
};

QProcess* DataFileProcessesTest::StartChild(const QString& name) {
    auto child = std::make_unique<QProcess>();
    child->setProgram(QCoreApplication::applicationFilePath());
    child->setArguments({"--child", directory_->path(), name});
    child->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child->start();
    children_.push_back(std::move(child));
    return children_.back().get();
}

QString DataFileProcessesTest::NextLine(QProcess* child, int timeoutMs) {
    QElapsedTimer waited;
    waited.start();
    while (!child->canReadLine() && waited.elapsed() < timeoutMs) {
        child->waitForReadyRead(100);
        if (child->state() == QProcess::NotRunning && !child->canReadLine()) break;
    }
    return QString::fromUtf8(child->readLine()).trimmed();
}

QString DataFileProcessesTest::DataFileText() const {
    QFile file(QDir(directory_->path()).filePath(kDataFileName));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void DataFileProcessesTest::killedRightAfterTheNameIsAnsweredKeepsIt() {
    QProcess* child = StartChild("Kim");
    QCOMPARE(NextLine(child), QString("ready"));
    QCOMPARE(NextLine(child), QString("recorded saved"));
    child->kill();  // SIGKILL: nothing runs after it
    QVERIFY(child->waitForFinished(5000));
    QVERIFY(DataFileText().contains("\r\n\"Kim\",100,"));
}

void DataFileProcessesTest::signalsEndTheGameWithStatusZeroAfterSaving_data() {
    QTest::addColumn<int>("signalNumber");
    QTest::addColumn<bool>("withUnsavedScore");
    QTest::newRow("SIGTERM with a score the game could not save yet") << SIGTERM << true;
    QTest::newRow("SIGHUP") << SIGHUP << false;
    QTest::newRow("SIGINT") << SIGINT << false;
}

void DataFileProcessesTest::signalsEndTheGameWithStatusZeroAfterSaving() {
    QFETCH(int, signalNumber);
    QFETCH(bool, withUnsavedScore);
    const QString dataFile = QDir(directory_->path()).filePath(kDataFileName);
    // Another copy holds the lock for longer than a save waits: the score stays in memory.
    auto lock = std::make_unique<QLockFile>(dataFile + ".lock");
    QProcess* child = StartChild(withUnsavedScore ? "Sig" : "-");
    QCOMPARE(NextLine(child), QString("ready"));
    if (withUnsavedScore) {
        QVERIFY(lock->lock());
        QCOMPARE(NextLine(child), QString("recorded unsaved"));
        QVERIFY(!DataFileText().contains("\"Sig\""));
        lock.reset();
    }
    QCOMPARE(::kill(static_cast<pid_t>(child->processId()), signalNumber), 0);
    QVERIFY(child->waitForFinished(10000));
    QCOMPARE(child->exitStatus(), QProcess::NormalExit);
    QCOMPARE(child->exitCode(), 0);
    QCOMPARE(DataFileText().count("\r\n"), 93);
    if (withUnsavedScore) QVERIFY(DataFileText().contains("\r\n\"Sig\",100,"));
    // Nothing of the saves is left beside the file: no lock, no temporary.
    QCOMPARE(QDir(directory_->path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{kDataFileName});
}

void DataFileProcessesTest::twoCopiesSavingTogetherLoseNothing() {
    QProcess* first = StartChild("One");
    QProcess* second = StartChild("Two");
    for (QProcess* child : {first, second}) QCOMPARE(NextLine(child), QString("ready"));
    for (QProcess* child : {first, second}) QCOMPARE(NextLine(child), QString("recorded saved"));
    for (QProcess* child : {first, second}) {
        child->terminate();
        QVERIFY(child->waitForFinished(10000));
        QCOMPARE(child->exitCode(), 0);
    }
    // Each copy saved its whole table at exit too: neither wrote over the other's score.
    const QString text = DataFileText();
    QVERIFY2(text.contains("\"One\",100,") && text.contains("\"Two\",100,"), qPrintable(text));
}

void DataFileProcessesTest::theLockOfACopyThatDiedIsTakenOver() {
    QProcess* child = StartChild("+lock");
    QCOMPARE(NextLine(child), QString("locked"));
    child->kill();
    QVERIFY(child->waitForFinished(5000));
    QVERIFY(QFile::exists(QDir(directory_->path()).filePath("3DZendrix.dat.lock")));

    DataFile file(directory_->path().toStdString(), std::make_shared<QtDataFileLock>());
    QElapsedTimer waited;
    waited.start();
    const DataFileReport report = file.WriteBestScores(BestScoreTable{}, ColourModel{});
    QCOMPARE(report.outcome, DataFileOutcome::kWritten);
    QVERIFY2(waited.elapsed() < kLockTimeout.count() / 2, "taken over at once, not waited for");
    QCOMPARE(DataFileText().count("\r\n"), 93);
}

int main(int argc, char** argv) {
    if (argc == 4 && QByteArray(argv[1]) == "--child" && QByteArray(argv[3]) == "+lock") {
        // A copy in the middle of a save: it holds the lock until it is killed.
        QCoreApplication app(argc, argv);
        QLockFile lock(QDir(argv[2]).filePath("3DZendrix.dat.lock"));
        if (!lock.lock()) return 1;
        std::puts("locked");
        std::fflush(stdout);
        return QCoreApplication::exec();
    }
    if (argc == 4 && QByteArray(argv[1]) == "--child") {
        return ChildMain(argv[0], argv[2], QString::fromLocal8Bit(argv[3]));
    }
    QApplication app(argc, argv);
    DataFileProcessesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "data_file_processes_test.moc"
